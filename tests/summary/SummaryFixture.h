#pragma once

#include "core/DatabaseFixture.h"
#include "core/LocaleScope.h"

#include <QDate>

#include <array>
#include <optional>

// A fresh installation with weeks from Monday, miles preferred and the US date order, and
// helpers that store activities, goals, body measures and GPS altitudes.
class SummaryFixture : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        gStartOfWeek = "Monday";
        gPrimaryUnit = "mi";
        gUseSmoothing = true;
    }
    void TearDown() override {
        gStartOfWeek.clear();
        gPrimaryUnit.clear();
        gUseSmoothing = false;
        gPeriodStart = gPeriodEnd = QDate();
        gCurrentGraph.clear();
        gGraphTable.clear();
        DatabaseFixture::TearDown();
    }

    struct Activity {
        const char *day;
        std::optional<double> duration = std::nullopt;
        std::optional<double> distance = std::nullopt;
        const char *unit = nullptr;
        std::int64_t sport = 1;
        std::array<std::optional<double>, 5> zones{};
    };

    SessionKey add(const Activity &activity) {
        const auto text = [](const char *value) {
            return value ? std::optional<QString>(value) : std::nullopt;
        };
        gConn
            .prepare(
                "insert into sessions (Session_datetime, session_date, session_type, Duration, Distance, "
                "distance_unit, Sport, time_zone1, time_zone2, time_zone3, time_zone4, time_zone5) "
                "values (? || ' 07:00:00', ?, 99, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .bindAll(QString(activity.day), QString(activity.day), activity.duration, activity.distance,
                     text(activity.unit), activity.sport, activity.zones[0], activity.zones[1],
                     activity.zones[2], activity.zones[3], activity.zones[4])
            .execute();
        return gConn.lastInsertId();
    }

    void addGoal(const char *week, const char *column, std::optional<double> value) {
        gConn.prepare(std::string("insert into weeklyData (theweek, ") + column + ") values (?, ?)")
            .bindAll(QString(week), value)
            .execute();
    }

    void addDaily(const char *day, std::optional<double> weight, std::optional<double> pulse) {
        gConn.prepare("insert into dailydata (theday, weight, restingpulse) values (?, ?, ?)")
            .bindAll(QString(day), weight, pulse)
            .execute();
    }

    // GPS samples 3 s apart with these altitudes; heart-rate samples in between carry none.
    void addAltitudes(SessionKey key, std::initializer_list<std::optional<double>> altitudes,
                      double from = 0) {
        double time = from;
        for (const auto &altitude : altitudes) {
            gConn
                .prepare("insert into sessiondata (session_prkey, cum_duration, data_type, Altitude) "
                         "values (?, ?, 2, ?)")
                .bindAll(key, time, altitude)
                .execute();
            gConn
                .prepare("insert into sessiondata (session_prkey, cum_duration, data_type, Hr) values (?, ?, "
                         "0, 120)")
                .bindAll(key, time + 1)
                .execute();
            time += 3;
        }
    }

    LocaleScope usDates{QLocale(QLocale::English, QLocale::UnitedStates)};
};
