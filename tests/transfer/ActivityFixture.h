#pragma once

#include "common/ActivityBuilder.h"
#include "core/DatabaseFixture.h"

#include <vector>

// A fresh installation with gConn open, and helpers that store activities and read them back.
class ActivityFixture : public DatabaseFixture {
protected:
    using ActivityBuilder = testing::ActivityBuilder;
    using SampleRow = testing::SampleRow;

    // A recorded activity with figures as if entered by hand: highest and average heart rate and
    // speed, time in zone 1, sport 1.
    SessionKey addActivity(int type, double duration = 0, double distance = 0, const char *unit = "mi",
                           const char *start = "2026-03-09 07:00:00") {
        return ActivityBuilder()
            .start(start)
            .type(type)
            .duration(duration)
            .distance(distance)
            .unit(unit)
            .heartRates(150, 140)
            .speeds(9, 8)
            .zone(1, 600)
            .sport(1)
            .store(gConn);
    }

    // Heart-rate samples 2 s apart from 0.
    void addHeartRate(SessionKey key, int count, int hr = 120) {
        std::vector<SampleRow> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back({.time = 2.0 * i, .hr = hr});
        testing::storeSamples(gConn, key, rows);
    }
    void addHeartRateAt(SessionKey key, double time, int hr) {
        testing::storeSamples(gConn, key, {{.time = time, .hr = hr}});
    }

    // Speed samples 3.57 s apart from 0, each adding `step` miles; GPS rows (data type 2) carry
    // a position.
    void addSpeed(SessionKey key, int count, int dataType = 1, double speed = 6, double step = 0.01) {
        std::vector<SampleRow> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back(speedRow(3.57 * i, dataType, speed, step * (i + 1)));
        testing::storeSamples(gConn, key, rows);
    }
    void addSpeedAt(SessionKey key, double time, int dataType, double speed, double distance) {
        testing::storeSamples(gConn, key, {speedRow(time, dataType, speed, distance)});
    }
    static SampleRow speedRow(double time, int dataType, double speed, double distance) {
        SampleRow row{.time = time, .type = dataType, .speed = speed, .distance = distance, .acqStatus = 3};
        if (dataType == 2) {
            row.altitude = 120;
            row.latitude = 45.5;
            row.longitude = -73.5;
            row.trueHeading = 90;
            row.magHeading = 80;
        }
        return row;
    }

    struct Sample {
        double time;
        int dataType;
        double hr;
        double speed;
        double distance;
        bool hasPosition;
    };

    // The samples of one kind (heart rate: data_type 0) in time order.
    std::vector<Sample> samples(SessionKey key, bool heartRate) {
        auto query =
            gConn.prepare(std::string("select cum_duration, data_type, Hr, Speed, cum_distance, Lat is not "
                                      "null from sessiondata where session_prkey = ? and ") +
                          (heartRate ? "data_type = 0" : "data_type <> 0") + " order by cum_duration, prkey");
        query.bind(1, key);
        std::vector<Sample> rows;
        while (query.step())
            rows.push_back({query.columnDouble(0), static_cast<int>(query.columnInt64(1)),
                            query.columnDouble(2), query.columnDouble(3), query.columnDouble(4),
                            query.columnInt64(5) != 0});
        return rows;
    }
    std::vector<double> times(SessionKey key, bool heartRate) {
        std::vector<double> result;
        for (const Sample &sample : samples(key, heartRate))
            result.push_back(sample.time);
        return result;
    }

    double column(SessionKey key, const char *name) { return read(key, name).columnDouble(0); }
    QString textOf(SessionKey key, const char *name) { return read(key, name).columnText(0); }
    platform::db::Statement read(SessionKey key, const char *name) {
        auto query = gConn.prepare(std::string("select ") + name + " from sessions where prkey = ?");
        query.bind(1, key);
        EXPECT_TRUE(query.step()) << "no activity " << key;
        return query;
    }
    std::int64_t activityCount() { return scalar("select count(*) from sessions"); }
    bool exists(SessionKey key) {
        auto query = gConn.prepare("select count(*) from sessions where prkey = ?");
        query.bind(1, key);
        query.step();
        return query.columnInt64(0) == 1;
    }
    std::int64_t sampleCount(SessionKey key) {
        auto query = gConn.prepare("select count(*) from sessiondata where session_prkey = ?");
        query.bind(1, key);
        query.step();
        return query.columnInt64(0);
    }
};

// Times compare to the thousandth: filler times are kept in single precision.
inline void expectTimes(const std::vector<double> &actual, const std::vector<double> &expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 0.001) << "sample " << i;
}
