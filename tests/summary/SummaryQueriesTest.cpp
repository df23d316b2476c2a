#include "summary/SummaryQueries.h"

#include "SummaryFixture.h"
#include "core/Numbers.h"

namespace {

using namespace summary;

std::vector<double> values(const std::vector<BucketTotal> &totals) {
    std::vector<double> result;
    for (const BucketTotal &total : totals)
        result.push_back(total.value);
    return result;
}

std::vector<double> goals(const std::vector<BucketTotal> &totals) {
    std::vector<double> result;
    for (const BucketTotal &total : totals)
        result.push_back(total.goal);
    return result;
}

class ActivityTimeTest : public SummaryFixture {};

TEST_F(ActivityTimeTest, PartialWeeksCountTheirDaysOutsideThePeriod) {
    add({.day = "2026-02-23", .duration = 600});  // Monday before 1 March: in the first week
    add({.day = "2026-03-01", .duration = 1200}); // Sunday 1 March: still the first week
    add({.day = "2026-03-02", .duration = 3599});
    add({.day = "2026-04-05", .duration = 60}); // Sunday after 31 March: in the last week
    add({.day = "2026-04-06", .duration = 60}); // outside
    add({.day = "2026-03-03"});                 // no duration
    const BucketRange weeks = BucketRange::Weeks({2026, 3, 1}, {2026, 3, 31});
    EXPECT_EQ(values(ActivityTime(weeks)), (std::vector<double>{1800, 3599, 0, 0, 0, 60}));
}

TEST_F(ActivityTimeTest, TwoActivitiesOnADayAddUp) {
    add({.day = "2026-03-04", .duration = 2700});
    add({.day = "2026-03-04", .duration = 5400});
    add({.day = "2026-03-06", .duration = 100000});
    EXPECT_EQ(values(ActivityTime(BucketRange::Days({2026, 3, 4}, {2026, 3, 6}))),
              (std::vector<double>{8100, 0, 100000}));
    EXPECT_EQ(values(ActivityTime(BucketRange::Days({2026, 3, 4}, {2026, 3, 4}))),
              (std::vector<double>{8100}));
}

TEST_F(ActivityTimeTest, GoalsAreFoundUnderTheFirstDayOfTheirWeekOnly) {
    addGoal("2026-03-02", "time_target", 7200); // a Monday
    addGoal("2026-03-09", "time_target", 0);
    addGoal("2026-03-16", "time_target", std::nullopt); // a goal row left empty
    std::vector<BucketTotal> totals = ActivityTime(BucketRange::Weeks({2026, 3, 2}, {2026, 3, 22}));
    AddGoals(totals, BucketRange::Weeks({2026, 3, 2}, {2026, 3, 22}), Goal::ActivityTime);
    EXPECT_EQ(goals(totals), (std::vector<double>{7200, 0, 0}));

    gStartOfWeek = "Sunday";
    const BucketRange sundays = BucketRange::Weeks({2026, 3, 2}, {2026, 3, 22});
    totals = ActivityTime(sundays);
    AddGoals(totals, sundays, Goal::ActivityTime);
    EXPECT_EQ(goals(totals), (std::vector<double>{0, 0, 0, 0}));
}

TEST_F(ActivityTimeTest, AZoneCountsItsOwnColumnAndItsOwnGoal) {
    add({.day = "2026-03-04", .zones = {10, 20, 30, 40, 50}});
    add({.day = "2026-03-05", .zones = {1, 2, 3, std::nullopt, 5}});
    addGoal("2026-03-02", "TimeInZone4", 900);
    const BucketRange weeks = BucketRange::Weeks({2026, 3, 4}, {2026, 3, 10});
    std::vector<BucketTotal> totals = ZoneTime(weeks, 4);
    AddGoals(totals, weeks, Goal::Zone4);
    EXPECT_EQ(values(totals), (std::vector<double>{40, 0}));
    EXPECT_EQ(goals(totals), (std::vector<double>{900, 0}));
    EXPECT_THROW(ZoneTime(weeks, 6), std::invalid_argument);
}

class ZoneTimesTest : public SummaryFixture {};

TEST_F(ZoneTimesTest, EachDayHasFiveSumsAndAnEmptyDayFiveZeros) {
    add({.day = "2026-03-04", .sport = 1, .zones = {59, 60, 119, 0, std::nullopt}});
    add({.day = "2026-03-04", .sport = 2, .zones = {1, 1, 1, 1, 1}});
    add({.day = "2026-03-06", .sport = 2, .zones = {100, 200, 300, 400, 500}});
    const BucketRange days = BucketRange::Days({2026, 3, 4}, {2026, 3, 6});

    const std::vector<ZoneSeconds> all = ZoneTimes(days, std::nullopt);
    EXPECT_EQ(all[0], (ZoneSeconds{60, 61, 120, 1, 1}));
    EXPECT_EQ(all[1], (ZoneSeconds{0, 0, 0, 0, 0}));
    EXPECT_EQ(all[2], (ZoneSeconds{100, 200, 300, 400, 500}));

    const std::vector<ZoneSeconds> general = ZoneTimes(days, 1);
    EXPECT_EQ(general[0], (ZoneSeconds{59, 60, 119, 0, 0}));
    EXPECT_EQ(general[2], (ZoneSeconds{0, 0, 0, 0, 0}));
}

class DistancesTest : public SummaryFixture {};

TEST_F(DistancesTest, EachActivityIsConvertedFromItsOwnUnitWhateverItsCase) {
    struct Case {
        const char *preferred;
        const char *unit;
        double distance;
        double expected; // after rounding to 3 decimals
    } cases[] = {
        {"km", "KM", 5, 5},      {"mi", "Km", 1, 0.621}, {"m", "km", 1.5, 1500},  {"yd", "mi", 1, 1760},
        {"m", "yd", 100, 91.44}, {"mi", nullptr, 3, 3},  {"nm", "m", 1000, 0.54},
    };
    for (const Case &c : cases) {
        gConn.executeScript("delete from sessions");
        add({.day = "2026-03-04", .distance = c.distance, .unit = c.unit});
        const auto totals = Distances(BucketRange::Days({2026, 3, 4}, {2026, 3, 4}), c.preferred,
                                      std::nullopt, Precision::Single);
        EXPECT_DOUBLE_EQ(Numbers::roundHalfEven(totals[0].value, 3), c.expected)
            << c.distance << " " << (c.unit ? c.unit : "(none)") << " in " << c.preferred;
    }
}

TEST_F(DistancesTest, AKilometreAndAMileMake2609Metres) {
    add({.day = "2026-03-04", .distance = 1, .unit = "km"});
    add({.day = "2026-03-04", .distance = 1, .unit = "mi"});
    add({.day = "2026-03-04", .unit = "mi"}); // no distance counts as none
    const auto totals =
        Distances(BucketRange::Days({2026, 3, 4}, {2026, 3, 4}), "km", std::nullopt, Precision::Single);
    EXPECT_FLOAT_EQ(static_cast<float>(totals[0].value), 2.609344f);
    EXPECT_DOUBLE_EQ(Numbers::roundHalfEven(totals[0].value, 3), 2.609);
}

TEST_F(DistancesTest, OnlyTheChosenSportCountsAndWeeksAreWhole) {
    add({.day = "2026-03-02", .distance = 1, .unit = "mi", .sport = 2});
    add({.day = "2026-03-04", .distance = 2, .unit = "mi", .sport = 1});
    add({.day = "2026-03-08", .distance = 4, .unit = "km", .sport = 2});
    add({.day = "2026-03-10", .distance = 8, .unit = "mi", .sport = 2});
    const BucketRange weeks = BucketRange::Weeks({2026, 3, 4}, {2026, 3, 10});
    const auto sport = Distances(weeks, "mi", 2, Precision::Double);
    EXPECT_DOUBLE_EQ(sport[0].value, 1 + 4 * 0.621371);
    EXPECT_DOUBLE_EQ(sport[1].value, 8);
    EXPECT_EQ(values(Distances(weeks, "mi", 3, Precision::Double)), (std::vector<double>{0, 0}));
}

TEST_F(DistancesTest, DistanceGoalsAreRoundedToThreeDecimals) {
    addGoal("2026-03-02", "totalDistance", 12.3456);
    const BucketRange weeks = BucketRange::Weeks({2026, 3, 2}, {2026, 3, 2});
    std::vector<BucketTotal> totals = Distances(weeks, "mi", std::nullopt, Precision::Single);
    AddGoals(totals, weeks, Goal::Distance);
    EXPECT_FLOAT_EQ(static_cast<float>(totals[0].goal), 12.346f);
}

class DailyMeasureTest : public SummaryFixture {};

TEST_F(DailyMeasureTest, EachDayHasItsRecordedValueOrNone) {
    addDaily("2026-03-04", 70, 48);
    addDaily("2026-03-05", 72.5, std::nullopt); // weight without pulse
    addDaily("2026-03-07", std::nullopt, 52);   // pulse without weight
    const BucketRange days = BucketRange::Days({2026, 3, 4}, {2026, 3, 8});
    EXPECT_EQ(values(DailyMeasure(days, Measure::Weight)), (std::vector<double>{70, 72.5, 0, 0, 0}));
    EXPECT_EQ(values(DailyMeasure(days, Measure::RestingPulse)), (std::vector<double>{48, 0, 0, 52, 0}));
}

class HighestAltitudeTest : public SummaryFixture {};

TEST_F(HighestAltitudeTest, TheSmoothedTrackGivesTheDaysHighest) {
    struct Case {
        const char *unit;
        bool smoothing;
        double highest;
    } cases[] = {
        {"mi", true, 136},  // 100, 120, 136
        {"mi", false, 164}, // 100, 140, 164
        {"km", true, 41},   // 30, 36, 41 metres
        {"KM", true, 41},
    };
    const SessionKey key = add({.day = "2026-03-04"});
    addAltitudes(key, {100, 200, 200});
    const BucketRange day = BucketRange::Days({2026, 3, 4}, {2026, 3, 4});
    for (const Case &c : cases)
        EXPECT_EQ(HighestAltitude(day, c.unit, c.smoothing)[0].value, c.highest)
            << c.unit << " " << c.smoothing;
}

TEST_F(HighestAltitudeTest, SamplesAreReadInTimeOrderAndEmptyOnesSkipped) {
    const SessionKey key = add({.day = "2026-03-04"});
    // Stored last sample first: in time order they are 100, 200, 200.
    addAltitudes(key, {200, std::nullopt}, 6);
    addAltitudes(key, {100, 200});
    EXPECT_EQ(HighestAltitude(BucketRange::Days({2026, 3, 4}, {2026, 3, 4}), "mi", true)[0].value, 136);
}

TEST_F(HighestAltitudeTest, SamplesOfTheSameTimeAreTakenInTheOrderStored) {
    const SessionKey key = add({.day = "2026-03-04"});
    addAltitudes(key, {200});
    addAltitudes(key, {100}); // 200 then 180; taken the other way round, 100 then 120
    EXPECT_EQ(HighestAltitude(BucketRange::Days({2026, 3, 4}, {2026, 3, 4}), "mi", true)[0].value, 200);
}

TEST_F(HighestAltitudeTest, ActivitiesAreSmoothedApartAndDaysWithoutGpsShowNothing) {
    addAltitudes(add({.day = "2026-03-04"}), {100, 200, 200});
    addAltitudes(add({.day = "2026-03-04"}), {150, 150}); // carried-on smoothing would stay below 150
    add({.day = "2026-03-05"});                           // heart rate only
    addAltitudes(add({.day = "2026-03-06"}), {-2500, -2600});
    addAltitudes(add({.day = "2026-03-07"}), {40000, 70000}); // beyond 16 bits
    const auto totals = HighestAltitude(BucketRange::Days({2026, 3, 3}, {2026, 3, 7}), "mi", true);
    EXPECT_EQ(values(totals), (std::vector<double>{0, 150, 0, 0, 46000}));
}

TEST_F(HighestAltitudeTest, ThePreferredUnitIsReadFromThePreferences) {
    EXPECT_EQ(StoredPreferredUnit(), "mi");
    gConn.executeScript("update preferences set Primary_Unit = 'km'");
    EXPECT_EQ(StoredPreferredUnit(), "km");
    gConn.executeScript("update preferences set Primary_Unit = null");
    EXPECT_EQ(StoredPreferredUnit(), "mi");
}

} // namespace
