#pragma once

#include "common/TestHome.h"
#include "core/Globals.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <vector>

// A fresh installation with gConn open, and helpers that store activities and read them back.
class ActivityFixture : public ::testing::Test {
protected:
    void SetUp() override {
        platform::install::ensureDataFolder();
        gConn.open(platform::paths::databasePath());
    }
    void TearDown() override { gConn.close(); }

    SessionKey addActivity(int type, double duration = 0, double distance = 0, const char *unit = "mi",
                           const char *start = "2026-03-09 07:00:00") {
        gConn
            .prepare(
                "insert into sessions (Session_datetime, session_date, session_type, Duration, Distance, "
                "distance_unit, max_HR, avg_HR, max_speed, avg_speed, time_zone1, Sport) "
                "values (?, substr(?, 1, 10), ?, ?, ?, ?, 150, 140, 9, 8, 600, 1)")
            .bindAll(start, start, type, duration, distance, unit)
            .execute();
        return gConn.lastInsertId();
    }

    // Heart-rate samples 2 s apart from 0.
    void addHeartRate(SessionKey key, int count, int hr = 120) {
        for (int i = 0; i < count; ++i)
            addHeartRateAt(key, 2.0 * i, hr);
    }
    void addHeartRateAt(SessionKey key, double time, int hr) {
        gConn
            .prepare(
                "insert into sessiondata (session_prkey, cum_duration, data_type, Hr) values (?, ?, 0, ?)")
            .bindAll(key, time, hr)
            .execute();
    }

    // Speed samples 3.57 s apart from 0, each adding `step` miles; GPS rows (data type 2) carry
    // a position.
    void addSpeed(SessionKey key, int count, int dataType = 1, double speed = 6, double step = 0.01) {
        for (int i = 0; i < count; ++i)
            addSpeedAt(key, 3.57 * i, dataType, speed, step * (i + 1));
    }
    void addSpeedAt(SessionKey key, double time, int dataType, double speed, double distance) {
        auto insert = gConn.prepare("insert into sessiondata (session_prkey, cum_duration, data_type, Speed, "
                                    "cum_distance, Altitude, Lat, Long, TrueHeading, MagHeading, ACQStatus) "
                                    "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 3)");
        insert.bindAll(key, time, dataType, speed, distance);
        if (dataType == 2)
            insert.bindAll(key, time, dataType, speed, distance, 120.0, 45.5, -73.5, 90.0, 80.0);
        else
            for (int column = 6; column <= 10; ++column)
                insert.bind(column, platform::db::Null{});
        insert.execute();
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

    double column(SessionKey key, const char *name) {
        auto query = gConn.prepare(std::string("select ") + name + " from sessions where prkey = ?");
        query.bind(1, key);
        EXPECT_TRUE(query.step()) << "no activity " << key;
        return query.columnDouble(0);
    }
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

    testing::TestHome home;
};

// Times compare to the thousandth: filler times are kept in single precision.
inline void expectTimes(const std::vector<double> &actual, const std::vector<double> &expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 0.001) << "sample " << i;
}
