#include "preferences/WeekStart.h"
#include "core/DatabaseFixture.h"

#include <QStringList>

namespace {

using preferences::ChangeStartOfWeek;

class WeekStartTest : public DatabaseFixture {
protected:
    void addGoal(const char *week, double target) {
        gConn.prepare("insert into weeklyData (theweek, time_target) values (?, ?)")
            .bindAll(week, target)
            .execute();
    }
    // Each goal as "week=target", in week order.
    QStringList goals() {
        QStringList rows;
        auto query = gConn.prepare("select theweek, time_target from weeklyData order by theweek");
        while (query.step())
            rows << query.columnText(0) + '=' + QString::number(query.columnDouble(1));
        return rows;
    }
    QString storedStart() {
        auto query = gConn.prepare("select Start_of_Week from preferences");
        query.step();
        return query.columnText(0);
    }
};

TEST(WeekStartOn, DaysGoBackToTheirWeeksFirstDay) {
    const QDate wednesday(2003, 1, 8);
    EXPECT_EQ(preferences::WeekStartOn(wednesday, Qt::Monday), QDate(2003, 1, 6));
    EXPECT_EQ(preferences::WeekStartOn(wednesday, Qt::Sunday), QDate(2003, 1, 5));
    EXPECT_EQ(preferences::WeekStartOn(QDate(2003, 1, 5), Qt::Sunday), QDate(2003, 1, 5));
    EXPECT_EQ(preferences::WeekStartOn(QDate(2003, 1, 5), Qt::Monday), QDate(2002, 12, 30));
}

TEST_F(WeekStartTest, MondayToSundayMovesEveryGoalOneDayBackAndBackAgain) {
    addGoal("2003-01-06", 3600);
    addGoal("2003-01-13", 7200);
    addGoal("2003-03-24", 60);

    EXPECT_TRUE(ChangeStartOfWeek(gConn, "Sunday").empty());
    EXPECT_EQ(storedStart(), "Sunday");
    EXPECT_EQ(goals(), QStringList({"2003-01-05=3600", "2003-01-12=7200", "2003-03-23=60"}));

    EXPECT_TRUE(ChangeStartOfWeek(gConn, "Monday").empty());
    EXPECT_EQ(storedStart(), "Monday");
    EXPECT_EQ(goals(), QStringList({"2003-01-06=3600", "2003-01-13=7200", "2003-03-24=60"}));
}

TEST_F(WeekStartTest, GoalsAlreadyOnTheNewFirstDayStayWhateverTheFirstRowHolds) {
    addGoal("2003-01-05", 1); // a Sunday, already right for Sunday weeks
    addGoal("2003-01-13", 2); // a Monday
    EXPECT_TRUE(ChangeStartOfWeek(gConn, "Sunday").empty());
    EXPECT_EQ(goals(), QStringList({"2003-01-05=1", "2003-01-12=2"}));
}

TEST_F(WeekStartTest, AGoalWhoseNewWeekHasGoalsStaysAndIsNamed) {
    addGoal("2003-01-05", 1); // Sunday goals ...
    addGoal("2003-01-06", 2); // ... and Monday goals for the same week
    const std::vector<QDate> kept = ChangeStartOfWeek(gConn, "Sunday");
    EXPECT_EQ(kept, std::vector<QDate>{QDate(2003, 1, 6)});
    EXPECT_EQ(goals(), QStringList({"2003-01-05=1", "2003-01-06=2"}));
}

TEST_F(WeekStartTest, AnEmptyTableChangesOnlyThePreference) {
    EXPECT_TRUE(ChangeStartOfWeek(gConn, "Sunday").empty());
    EXPECT_EQ(storedStart(), "Sunday");
    EXPECT_TRUE(goals().isEmpty());
}

TEST_F(WeekStartTest, AFailureHalfWayChangesNothing) {
    addGoal("2003-01-06", 1);
    addGoal("2003-01-13", 2);
    gConn.executeScript("create trigger refuse before update on weeklyData when old.theweek = '2003-01-13' "
                        "begin select raise(abort, 'disk full'); end");
    EXPECT_THROW(ChangeStartOfWeek(gConn, "Sunday"), platform::db::DbError);
    EXPECT_EQ(storedStart(), "Monday");
    EXPECT_EQ(goals(), QStringList({"2003-01-06=1", "2003-01-13=2"}));
}

} // namespace
