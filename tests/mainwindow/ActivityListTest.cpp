#include "mainwindow/ActivityList.h"
#include "core/ActivityRows.h"
#include "core/LocaleScope.h"
#include "transfer/ActivityFixture.h"

namespace {

using namespace ActivityList;

class ActivityListTest : public ActivityFixture {
protected:
    std::vector<SessionKey> keysOf(const char *first, const char *last) {
        std::vector<SessionKey> keys;
        for (const ActivityRow &row :
             ActivityRows(QDate::fromString(first, Qt::ISODate), QDate::fromString(last, Qt::ISODate)))
            keys.push_back(row.key);
        return keys;
    }

    LocaleScope english{QLocale(QLocale::English, QLocale::UnitedStates)};
};

TEST_F(ActivityListTest, DurationsShowHoursMinutesAndSecondsWithoutLimit) {
    const struct {
        double seconds;
        const char *shown;
    } cases[] = {
        {0, "00:00:00"},     {59.9, "00:00:59"},  {3725, "01:02:05"},    {3725.7, "01:02:05"},
        {86399, "23:59:59"}, {86400, "24:00:00"}, {360000, "100:00:00"}, {1000 * 3600 + 61, "1000:01:01"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DurationText(c.seconds), c.shown) << c.seconds;
}

TEST_F(ActivityListTest, DescriptionsShowOnOneLine) {
    const QString longOne(300, QChar('x'));
    const struct {
        std::optional<QString> stored;
        QString shown;
    } cases[] = {
        {std::nullopt, " "},
        {"", ""},
        {"Easy run", "Easy run"},
        {"Hills\r\nthen flat", "Hills then flat"},
        {"Hills\nthen flat\r\n", "Hills then flat "},
        {"one\rtwo", "one two"},
        {longOne, longOne},
    };
    for (const auto &c : cases)
        EXPECT_EQ(DescriptionText(c.stored), c.shown) << c.stored.value_or("<null>").toStdString();
}

TEST_F(ActivityListTest, ALineStartsWithTheWeekdayAndADayAtMidnightShowsNoTime) {
    const QDateTime morning(QDate(2026, 12, 6), QTime(7, 5, 9));
    EXPECT_TRUE(StartText(morning).startsWith("Sun 12/6/26 "));
    EXPECT_TRUE(StartText(morning).contains("7:05:09")) << StartText(morning).toStdString();
    EXPECT_EQ(StartText(QDateTime(QDate(2026, 12, 7), QTime(0, 0))), "Mon 12/7/26");
}

TEST_F(ActivityListTest, LineKeysCarryTheActivitysKey) {
    EXPECT_EQ(ItemKey(42), "_42");
    EXPECT_EQ(KeyOfItem("_42"), 42);
    EXPECT_EQ(KeyOfItem(ItemKey(9876543210)), 9876543210);
    for (const char *notAKey : {"", "_", "42", "_4x"})
        EXPECT_FALSE(KeyOfItem(notAKey)) << notAKey;
}

TEST_F(ActivityListTest, ADayOrARangeListsInOrderOfStartThenKey) {
    const SessionKey evening = addActivity(0, 600, 0, "mi", "2026-03-09 18:00:00");
    const SessionKey morning = addActivity(1, 600, 0, "mi", "2026-03-09 07:00:00");
    const SessionKey sameStart = addActivity(99, 600, 0, "mi", "2026-03-09 07:00:00");
    const SessionKey nextDay = addActivity(5, 600, 0, "mi", "2026-03-10 06:00:00");
    const SessionKey weekLater = addActivity(20, 600, 0, "mi", "2026-03-15 23:59:59");
    addActivity(0, 600, 0, "mi", "2026-03-16 00:00:00");
    addActivity(0, 600, 0, "mi", "2026-03-08 23:59:59");

    const std::vector<SessionKey> firstDay{morning, sameStart, evening};
    EXPECT_EQ(keysOf("2026-03-09", "2026-03-09"), firstDay);
    EXPECT_EQ(keysOf("2026-03-09", "2026-03-08"), firstDay);
    EXPECT_EQ(keysOf("2026-03-09", "2026-03-15"),
              (std::vector<SessionKey>{morning, sameStart, evening, nextDay, weekLater}));
    EXPECT_TRUE(keysOf("2026-03-11", "2026-03-14").empty());

    const auto rows = ActivityRows(QDate(2026, 3, 10), QDate(2026, 3, 10));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].start, QDateTime(QDate(2026, 3, 10), QTime(6, 0)));
    EXPECT_EQ(rows[0].duration, 600);
    EXPECT_EQ(rows[0].type, 5);
    EXPECT_EQ(rows[0].description, "");
    gConn.prepare("update sessions set Description = null where prkey = ?").bind(1, nextDay).execute();
    EXPECT_FALSE(ActivityRows(QDate(2026, 3, 10), QDate(2026, 3, 10)).at(0).description);
}

TEST_F(ActivityListTest, BoldDaysAreTheDaysWithActivities) {
    const SessionKey key = addActivity(0, 600, 0, "mi", "2026-03-09 18:00:00");
    addActivity(0, 600, 0, "mi", "2026-03-09 07:00:00");
    addActivity(0, 600, 0, "mi", "2026-03-01 07:00:00");
    addActivity(0, 600, 0, "mi", "2026-03-12 07:00:00");
    addActivity(0, 600, 0, "mi", "2026-03-13 07:00:00"); // the day after the days asked for
    addActivity(0, 600, 0, "mi", "2026-02-28 07:00:00"); // the day before them

    const std::vector<bool> days = DaysWithActivities(QDate(2026, 3, 1), 12);
    std::vector<bool> expected(12, false);
    expected[0] = expected[8] = expected[11] = true;
    EXPECT_EQ(days, expected);
    EXPECT_EQ(DayOf(key), QDate(2026, 3, 9));
    EXPECT_FALSE(DayOf(key + 100).isValid());
}

} // namespace
