#pragma once

#include "common/ActivityBuilder.h"
#include "core/DatabaseFixture.h"
#include "core/LocaleScope.h"

#include <QDate>

#include <array>
#include <optional>
#include <vector>

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
        return testing::ActivityBuilder()
            .start(QString(activity.day) + " 07:00:00")
            .type(99)
            .duration(activity.duration)
            .distance(activity.distance)
            .unit(activity.unit ? std::optional<QString>(activity.unit) : std::nullopt)
            .sport(activity.sport)
            .zones(activity.zones)
            .store(gConn);
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
        std::vector<testing::SampleRow> rows;
        double time = from;
        for (const auto &altitude : altitudes) {
            rows.push_back({.time = time, .type = 2, .altitude = altitude});
            rows.push_back({.time = time + 1, .type = 0, .hr = 120});
            time += 3;
        }
        testing::storeSamples(gConn, key, rows);
    }

    LocaleScope usDates{QLocale(QLocale::English, QLocale::UnitedStates)};
};
