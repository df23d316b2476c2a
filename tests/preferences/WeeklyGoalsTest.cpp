#include "preferences/WeeklyGoals.h"
#include "preferences/GoalBoxes.h"

#include "core/DatabaseFixture.h"
#include "core/LocaleScope.h"
#include "core/Numbers.h"

#include <QStringList>

namespace {

using namespace preferences;

// A goal text as its box shows it after the goal was stored and loaded again.
class WeeklyGoalsTest : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        // The main window adds the altitude goal to every database before the goals are shown.
        gConn.executeScript("alter table weeklyData add totalAltitude number");
    }

    // Each stored week as "week: target distance altitude zone1 ... zone5".
    QStringList weeks() {
        QStringList rows;
        auto query = gConn.prepare("select theweek, time_target, totalDistance, totalAltitude, TimeInZone1, "
                                   "TimeInZone2, TimeInZone3, TimeInZone4, TimeInZone5 from weeklyData "
                                   "order by theweek");
        while (query.step()) {
            QStringList fields;
            for (int column = 1; column < query.columnCount(); ++column)
                fields << (query.isNull(column) ? "-" : QString::number(query.columnDouble(column)));
            rows << query.columnText(0) + ": " + fields.join(' ');
        }
        return rows;
    }

    const QDate monday{2003, 1, 6};
};

TEST(GoalWeek, AWednesdayKeysToItsWeeksFirstDayByThePreference) {
    const struct {
        const char *startOfWeek;
        QDate expected;
    } cases[] = {{"Monday", {2003, 1, 6}}, {"Sunday", {2003, 1, 5}}, {"", {2003, 1, 5}}};
    for (const auto &c : cases) {
        gStartOfWeek = c.startOfWeek;
        EXPECT_EQ(GoalWeekOf(QDate(2003, 1, 8)), c.expected) << c.startOfWeek;
        EXPECT_EQ(GoalWeekOf(c.expected), c.expected) << c.startOfWeek;
    }
}

TEST(GoalBoxTexts, SecondsShowAsWholeHoursAndMinutesRoundedHalfToEven) {
    const struct {
        double seconds;
        TimeBoxTexts shown;
    } cases[] = {{0, {"0", "0"}},       {1800, {"0", "30"}}, {5400, {"1", "30"}},
                 {86340, {"23", "59"}}, {90, {"0", "2"}},    {150, {"0", "2"}},
                 {210, {"0", "4"}},     {7230, {"2", "0"}},  {360000, {"100", "0"}}};
    for (const auto &c : cases)
        EXPECT_EQ(GoalTimeTexts(c.seconds), c.shown) << c.seconds;
}

TEST(GoalBoxTexts, DistancesShowRoundedToTwoDecimalsAndAltitudesAsStored) {
    EXPECT_EQ(GoalDistanceText(0), "0");
    EXPECT_EQ(GoalDistanceText(Numbers::toSingle(12.345)), shownDecimal("12.35"));
    EXPECT_EQ(GoalDistanceText(26.2), shownDecimal("26.2"));
    EXPECT_EQ(GoalAltitudeText(Numbers::toSingle(1234.5)), shownDecimal("1234.5"));
    EXPECT_EQ(GoalAltitudeText(Numbers::toSingle(12.3)), shownDecimal("12.3"));
}

TEST(GoalBoxChecks, ZoneTimeBoxesRefuseWithTheirOwnMessageOrStoreTheZonesSeconds) {
    const struct {
        int index;
        TimeBoxTexts boxes;
        int message;
        std::optional<double> stored;
    } cases[] = {
        {1, {"", "30"}, 0, 1800},  {0, {"2", ""}, 0, 7200},    {1, {"1", "30"}, 0, 5400},
        {0, {"", ""}, 0, {}},      {1, {"3", ""}, 0, {}},      {0, {"24", ""}, 1615, {}},
        {1, {"", "60"}, 1616, {}}, {0, {"2.5", ""}, 1615, {}}, {1, {"", "x"}, 1616, {}},
        {0, {"-1", ""}, 1615, {}}, {1, {"x", "15"}, 0, 900},
    };
    for (const auto &c : cases) {
        const GoalBoxLeave leave = LeaveZoneTimeBox(c.index, c.boxes);
        const std::string name = (c.boxes.hours + '|' + c.boxes.minutes).toStdString();
        EXPECT_EQ(leave.refusal ? leave.refusal->messageId : 0, c.message) << name;
        EXPECT_EQ(leave.value, c.stored) << name;
    }
}

TEST(GoalBoxChecks, ActivityTimeBoxesSayWhichFaultAndStoreOnlyWithBothBoxesFilled) {
    const struct {
        int index;
        TimeBoxTexts boxes;
        GoalRefusal refusal;
        std::optional<double> stored;
    } cases[] = {
        {1, {"", "30"}, {}, {}},
        {0, {"1", "30"}, {}, 5400},
        {1, {"0", "30"}, {}, 1800},
        {0, {"24", "0"}, {1508, "23"}, {}},
        {1, {"0", "60"}, {1508, "59"}, {}},
        {0, {"1.5", "0"}, {1505, ""}, {}},
        {0, {"30.5", "0"}, {1505, ""}, {}},
        {0, {"x", "0"}, {1505, ""}, {}},
        {1, {"0", "-1"}, {1509, ""}, {}},
        {0, {"", "0"}, {}, {}},
    };
    for (const auto &c : cases) {
        const GoalBoxLeave leave = LeaveActivityTimeBox(c.index, c.boxes);
        const std::string name = (c.boxes.hours + '|' + c.boxes.minutes).toStdString();
        EXPECT_EQ(leave.refusal.value_or(GoalRefusal{}), c.refusal) << name;
        EXPECT_EQ(leave.value, c.stored) << name;
    }
}

TEST(GoalBoxChecks, DistanceAndAltitudeTakeNumbersFrom0To99999InSinglePrecision) {
    EXPECT_EQ(LeaveGoalNumberBox("12.345").value, double(12.345f));
    EXPECT_EQ(LeaveGoalNumberBox("0").value, 0.0);
    EXPECT_EQ(LeaveGoalNumberBox("99999").value, 99999.0);
    for (const char *text : {"", "x", "1.2.3", "-1", "99999.5", "1e308"})
        EXPECT_EQ(LeaveGoalNumberBox(text).refusal, (GoalRefusal{1860, ""})) << text;
}

TEST(GoalBoxChecks, TheCopyCountsBadTimeBoxesAsZeroAndNamesEachInTurn) {
    std::array<TimeBoxTexts, kGoalZones> zones{
        {{"1", "0"}, {"x", "30"}, {"", ""}, {"0", "99999"}, {"2", "15"}}};
    const GoalsFromBoxes read = ReadGoalBoxes(zones, {"10", "y"}, "12.345", "");
    EXPECT_EQ(read.messages, (std::vector<int>{1518, 1519, 1519}));
    EXPECT_EQ(read.goals.timeInZone, (std::array<double, kGoalZones>{3600, 1800, 0, 0, 8100}));
    EXPECT_EQ(read.goals.timeTarget, 36000);
    EXPECT_EQ(read.goals.totalDistance, double(12.345f));
    EXPECT_EQ(read.goals.totalAltitude, 0);
}

TEST_F(WeeklyGoalsTest, TheFirstGoalOfAWeekCreatesItsRowAndTheNextUpdatesIt) {
    EXPECT_EQ(LoadWeeklyGoals(gConn, monday), WeeklyGoals{});

    StoreGoal(gConn, monday, ZoneGoal(3), *LeaveZoneTimeBox(1, {"", "30"}).value);
    EXPECT_EQ(weeks(), QStringList{"2003-01-06: 0 0 - 0 0 1800 0 0"});
    StoreGoal(gConn, monday, Goal::TimeTarget, 5400);
    StoreGoal(gConn, monday, Goal::TotalDistance, *LeaveGoalNumberBox("12.345").value);
    EXPECT_EQ(weeks().size(), 1);

    const WeeklyGoals loaded = LoadWeeklyGoals(gConn, monday);
    EXPECT_EQ(loaded.timeInZone[2], 1800);
    EXPECT_EQ(loaded.timeTarget, 5400);
    EXPECT_EQ(GoalDistanceText(loaded.totalDistance), shownDecimal("12.35"));
    // The empty altitude goal shows 0 and is stored as 0 once it was loaded.
    EXPECT_EQ(loaded.totalAltitude, 0);
    EXPECT_EQ(weeks(), QStringList{"2003-01-06: 5400 12.345 0 0 0 1800 0 0"});
}

TEST_F(WeeklyGoalsTest, TheCopyWritesTwelveWeeksAndLeavesTheThirteenth) {
    StoreGoal(gConn, QDate(2003, 1, 20), Goal::TimeTarget, 60);
    StoreGoal(gConn, QDate(2003, 3, 31), Goal::TimeTarget, 120);
    WeeklyGoals goals;
    goals.timeTarget = 36000;
    goals.totalDistance = 20;
    goals.totalAltitude = 500;
    goals.timeInZone = {60, 120, 180, 240, 300};

    CopyGoalsToTwelveWeeks(gConn, monday, goals);

    const QStringList stored = weeks();
    ASSERT_EQ(stored.size(), 13);
    for (int week = 0; week < 12; ++week)
        EXPECT_EQ(stored[week],
                  monday.addDays(7 * week).toString(Qt::ISODate) + ": 36000 20 500 60 120 180 240 300");
    EXPECT_EQ(stored[11].left(10), "2003-03-24");
    EXPECT_EQ(stored[12], "2003-03-31: 120 0 - 0 0 0 0 0");
}

TEST_F(WeeklyGoalsTest, ACopyThatFailsHalfWayWritesNoWeekAtAll) {
    StoreGoal(gConn, QDate(2003, 1, 20), Goal::TimeTarget, 60);
    const QStringList before = weeks();
    gConn.executeScript("create trigger refuse before insert on weeklyData when new.theweek = '2003-02-10' "
                        "begin select raise(abort, 'disk is full'); end");
    WeeklyGoals goals;
    goals.timeTarget = 3600;

    EXPECT_THROW(CopyGoalsToTwelveWeeks(gConn, monday, goals), platform::db::DbError);

    EXPECT_EQ(weeks(), before);
}

} // namespace
