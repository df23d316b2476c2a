#include "common/ActivityBuilder.h"
#include "core/DatabaseFixture.h"

#include "core/HeartRateZones.h"
#include "transfer/SessionStatistics.h"

namespace {

class SessionStatisticsTest : public DatabaseFixture {
protected:
    SessionKey addActivity(const char *unit) {
        return testing::ActivityBuilder().type(20).unit(unit).store(gConn);
    }
    void addHeartRates(SessionKey key, std::initializer_list<int> rates) {
        std::vector<testing::SampleRow> rows;
        double seconds = 0;
        for (int hr : rates)
            rows.push_back({.time = seconds += 2, .hr = hr});
        testing::storeSamples(gConn, key, rows);
    }
    void addSpeed(SessionKey key, double seconds, double speed, double miles) {
        testing::storeSamples(gConn, key, {{.time = seconds, .type = 1, .speed = speed, .distance = miles}});
    }
    std::vector<double> columns(SessionKey key, const char *list) {
        return numbers(std::string("select ") + list + " from sessions where prkey = " + std::to_string(key));
    }
};

TEST_F(SessionStatisticsTest, ActivityWithoutSamplesGetsZeros) {
    const SessionKey key = addActivity("mi");
    RecomputeSessionStats(gConn, key);
    ComputeTimeInZones(gConn, key);
    EXPECT_EQ(columns(key, "max_HR, avg_HR, max_speed, avg_speed"), (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(columns(key, "time_zone1, time_zone2, time_zone3, time_zone4, time_zone5"),
              (std::vector<double>(5, 0)));
}

TEST_F(SessionStatisticsTest, HeartRateAverageRoundsHalvesToEven) {
    const SessionKey key = addActivity("mi");
    addHeartRates(key, {142, 143, 141, 144}); // 142.5
    const SessionKey other = addActivity("mi");
    addHeartRates(other, {143, 144}); // 143.5
    RecomputeSessionStats(gConn, key);
    RecomputeSessionStats(gConn, other);
    EXPECT_EQ(columns(key, "max_HR, avg_HR"), (std::vector<double>{144, 142}));
    EXPECT_EQ(columns(other, "max_HR, avg_HR"), (std::vector<double>{144, 144}));
}

TEST_F(SessionStatisticsTest, AverageSpeedIsTheLastRowsDistanceOverTimeInTheActivitysUnit) {
    const SessionKey key = addActivity("km");
    addSpeed(key, 1800, 30, 2);
    addSpeed(key, 3600, 5, 6.2137);
    RecomputeSessionStats(gConn, key);
    const auto speeds = columns(key, "max_speed, avg_speed");
    EXPECT_NEAR(speeds[0], 30 * 1.609344, 1e-4);
    EXPECT_NEAR(speeds[1], 10.0, 1e-3);

    const SessionKey standing = addActivity("nm");
    addSpeed(standing, 0, 4, 0);
    RecomputeSessionStats(gConn, standing);
    const auto still = columns(standing, "max_speed, avg_speed");
    EXPECT_NEAR(still[0], 4 * 0.868976, 1e-5);
    EXPECT_EQ(still[1], 0);
}

TEST_F(SessionStatisticsTest, ZonesCountEveryHeartRateRowInTheFirstZoneHoldingIt) {
    gConn.executeScript("update zones set zone1low = 100, zone1high = 120, zone2low = 120, zone2high = 140, "
                        "zone3low = 150, zone3high = 160, zone4low = 161, zone4high = 170, zone5low = 171, "
                        "zone5high = 190");
    const SessionKey key = addActivity("mi");
    addHeartRates(key, {120, 120, 130, 145, 155, 200, 180});
    ComputeTimeInZones(gConn, key);
    EXPECT_EQ(columns(key, "time_zone1, time_zone2, time_zone3, time_zone4, time_zone5"),
              (std::vector<double>{4, 2, 2, 0, 2}));
}

TEST_F(SessionStatisticsTest, WithoutAZonesRowEveryBeatUpTo250IsZoneFive) {
    gConn.executeScript("delete from zones");
    const SessionKey key = addActivity("mi");
    addHeartRates(key, {0, 1, 250, 251});
    ComputeTimeInZones(gConn, key);
    EXPECT_EQ(columns(key, "time_zone1, time_zone2, time_zone3, time_zone4, time_zone5"),
              (std::vector<double>{2, 0, 0, 0, 4}));
}

TEST_F(SessionStatisticsTest, JoinedSamplesLeaveTheLastOneUncounted) {
    const SessionKey key = addActivity("mi");
    addHeartRates(key, {120, 130, 140}); // zones 2, 2 and 3 of a new installation
    ComputeTimeInZones(gConn, key, ZoneSampleSpan::AllButLast);
    EXPECT_EQ(columns(key, "time_zone2, time_zone3"), (std::vector<double>{4, 0}));
    ComputeTimeInZones(gConn, key);
    EXPECT_EQ(columns(key, "time_zone2, time_zone3"), (std::vector<double>{4, 2}));
}

// Keys above 2^24 have no exact single-precision form: 16777217 would become 16777216.
TEST_F(SessionStatisticsTest, AKeyBeyondSinglePrecisionUpdatesItsOwnRow) {
    for (const SessionKey key : {16777216, 16777217})
        testing::ActivityBuilder().key(key).type(0).zone(1, 999).store(gConn);
    const SessionKey key = 16777217;
    addHeartRates(key, {100});
    ComputeTimeInZones(gConn, key);
    EXPECT_EQ(columns(key, "time_zone1, time_zone2"), (std::vector<double>{2, 0}));
    EXPECT_EQ(columns(key - 1, "time_zone1"), (std::vector<double>{999}));
}

TEST_F(SessionStatisticsTest, MissingActivityIsAFailureForTheCaller) {
    EXPECT_THROW(RecomputeSessionStats(gConn, 42), std::runtime_error);
    EXPECT_THROW(ComputeTimeInZones(gConn, 42), std::runtime_error);
}

} // namespace
