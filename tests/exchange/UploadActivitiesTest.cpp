#include "exchange/UploadActivities.h"

#include "common/ActivityBuilder.h"
#include "core/DatabaseFixture.h"

namespace {

class UploadActivitiesTest : public DatabaseFixture {
protected:
    std::vector<SessionKey> keys(const QDate &first, const QDate &last) {
        std::vector<SessionKey> found;
        for (const auto &activity : UploadActivities::Between(first, last))
            found.push_back(activity.key);
        return found;
    }
    static SessionKey addActivity(const char *start) {
        return testing::ActivityBuilder().start(start).type(0).store(gConn);
    }
};

TEST_F(UploadActivitiesTest, TheDaysOfTheRangeInStartOrder) {
    const SessionKey late = addActivity("2026-03-10 18:00:00");
    const SessionKey early = addActivity("2026-03-10 06:00:00");
    const SessionKey sameStart = addActivity("2026-03-10 06:00:00");
    const SessionKey firstDay = addActivity("2026-03-09 23:59:59");
    addActivity("2026-03-08 12:00:00");
    addActivity("2026-03-11 00:00:00");
    EXPECT_EQ(keys(QDate(2026, 3, 9), QDate(2026, 3, 10)),
              (std::vector<SessionKey>{firstDay, early, sameStart, late}));
}

TEST_F(UploadActivitiesTest, AnEndNotAfterTheStartListsTheStartDayOnly) {
    const SessionKey start = addActivity("2026-03-10 08:00:00");
    addActivity("2026-03-09 08:00:00");
    EXPECT_EQ(keys(QDate(2026, 3, 10), QDate(2026, 3, 1)), (std::vector<SessionKey>{start}));
    EXPECT_EQ(keys(QDate(2026, 3, 10), QDate(2026, 3, 10)), (std::vector<SessionKey>{start}));
}

TEST_F(UploadActivitiesTest, EmptyValuesStayEmpty) {
    testing::ActivityBuilder()
        .start("2026-03-10 08:00:00")
        .type(20)
        .duration(3725)
        .description(std::nullopt)
        .store(gConn);
    testing::ActivityBuilder().start("2026-03-10 09:00:00").description("Hills").store(gConn);
    const auto activities = UploadActivities::Between(QDate(2026, 3, 10), QDate(2026, 3, 10));
    ASSERT_EQ(activities.size(), 2u);
    EXPECT_EQ(activities[0].start, QDateTime(QDate(2026, 3, 10), QTime(8, 0)));
    EXPECT_EQ(activities[0].type, 20);
    EXPECT_EQ(activities[0].duration, 3725);
    EXPECT_FALSE(activities[0].description.has_value());
    EXPECT_FALSE(activities[1].type.has_value());
    EXPECT_EQ(activities[1].description, "Hills");
}

} // namespace
