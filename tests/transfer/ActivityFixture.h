#pragma once

#include "common/TestHome.h"
#include "core/Globals.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

// The columns of one activity row that a test stores; what is not given stays NULL.
struct ActivityValues {
    int type = 0;
    const char *start = nullptr; // "yyyy-MM-dd hh:mm:ss"; its date is the activity's day
    std::optional<double> duration = std::nullopt;
    std::optional<double> distance = std::nullopt;
    const char *unit = nullptr;
    std::optional<int> graph1 = std::nullopt;
    std::optional<int> graph2 = std::nullopt;
    // Figures as if entered by hand: highest and average heart rate and speed, time in zone 1,
    // sport 1.
    bool figures = false;
};

inline SessionKey insertActivity(const ActivityValues &values) {
    const auto text = [](const char *value) { return value ? std::optional<QString>(value) : std::nullopt; };
    const auto figure = [&values](int value) {
        return values.figures ? std::optional<int>(value) : std::nullopt;
    };
    gConn
        .prepare("insert into sessions (Session_datetime, session_date, session_type, Duration, Distance, "
                 "distance_unit, Graph1, Graph2, max_HR, avg_HR, max_speed, avg_speed, time_zone1, Sport) "
                 "values (?, substr(?, 1, 10), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bindAll(text(values.start), text(values.start), values.type, values.duration, values.distance,
                 text(values.unit), values.graph1, values.graph2, figure(150), figure(140), figure(9),
                 figure(8), figure(600), figure(1))
        .execute();
    return gConn.lastInsertId();
}

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
        return insertActivity({.type = type,
                               .start = start,
                               .duration = duration,
                               .distance = distance,
                               .unit = unit,
                               .figures = true});
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
