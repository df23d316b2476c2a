#include "TenYearLog.h"

#include "core/Globals.h"
#include "platform/BatchInsert.h"
#include "platform/Database.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"

#include <QTemporaryDir>

#include <cmath>
#include <memory>
#include <optional>

namespace bench {
namespace {

using platform::db::BatchInsert;
using platform::db::Connection;

constexpr double kHeartRateStep = 2;
constexpr double kGpsStep = 3.57;
constexpr int kJoinedEvery = 3;

// Minutes of the activity of day i: from 45 to 90, spread over the days.
int minutesOf(int day) {
    return 45 + (day * 37) % 46;
}

void writeActivity(Connection &connection, BatchInsert &samples, int day, QDate date, TenYearLog &log) {
    const bool joined = day % kJoinedEvery == 0;
    const double seconds = minutesOf(day) * 60.0;
    const double distance = seconds / 3600.0 * (9 + day % 4); // 9 to 12 per hour
    const bool kilometres = day % 2 == 0;
    const double zone = seconds / 10;
    connection
        .prepare(
            "insert into sessions (Session_datetime, session_date, session_type, Duration, Distance, "
            "distance_unit, max_HR, avg_HR, max_speed, avg_speed, Sport, time_zone1, time_zone2, time_zone3, "
            "time_zone4, time_zone5) values (?, ?, ?, ?, ?, ?, 175, 142, 14, 10, ?, ?, ?, ?, ?, ?)")
        .bindAll(QDateTime(date, QTime(7, 0)), date, joined ? 20 : 0, seconds, distance,
                 QString(kilometres ? "km" : "mi"), std::int64_t{day % 5 == 0 ? 2 : 1}, zone, 2 * zone,
                 4 * zone, 2 * zone, zone)
        .execute();
    const std::int64_t key = connection.lastInsertId();

    for (double t = 0; t < seconds; t += kHeartRateStep) {
        samples.add(key, t, 0, 120.0 + std::fmod(t, 50.0), platform::db::Null{}, platform::db::Null{},
                    platform::db::Null{}, platform::db::Null{}, platform::db::Null{});
        ++log.heartRateSamples;
    }
    if (!joined)
        return;
    const double milesPerSecond = distance * (kilometres ? 0.621371 : 1) / seconds;
    for (double t = 0; t < seconds; t += kGpsStep) {
        const double altitude = 300 + 150 * std::sin(t / 600 + day) + day % 40;
        samples.add(key, t, 2, platform::db::Null{}, milesPerSecond * 3600, milesPerSecond * t, altitude,
                    45.5 + t * 1e-5, -73.5 - t * 1e-5);
        ++log.gpsSamples;
    }
}

} // namespace

TenYearLog WriteTenYearLog(Connection &connection, QDate lastDay) {
    TenYearLog log;
    log.lastDay = lastDay;
    log.firstDay = lastDay.addDays(1 - kTenYearsOfDays);

    platform::db::Transaction transaction(connection);
    BatchInsert samples(connection, "sessiondata",
                        {"session_prkey", "cum_duration", "data_type", "Hr", "Speed", "cum_distance",
                         "Altitude", "Lat", "Long"});
    BatchInsert goals(connection, "weeklyData",
                      {"theweek", "time_target", "totalDistance", "TimeInZone1", "TimeInZone2", "TimeInZone3",
                       "TimeInZone4", "TimeInZone5"});
    BatchInsert measures(connection, "dailydata", {"theday", "weight", "restingpulse"});
    for (int day = 0; day < kTenYearsOfDays; ++day) {
        const QDate date = log.firstDay.addDays(day);
        writeActivity(connection, samples, day, date, log);
        ++log.activities;
        // Goals under Mondays, the preferences' first day of the week.
        if (date.dayOfWeek() == Qt::Monday)
            goals.add(platform::db::isoDate(date), 30000.0, 60.0, 3000.0, 6000.0, 12000.0, 6000.0, 3000.0);
        measures.add(platform::db::isoDate(date), 70.0 + day % 7 * 0.5, 48.0 + day % 5);
    }
    samples.flush();
    goals.flush();
    measures.flush();
    transaction.commit();
    return log;
}

const TenYearLog &OpenTenYearLog(QDate lastDay) {
    static std::unique_ptr<QTemporaryDir> home;
    static std::optional<TenYearLog> log;
    if (!log) {
        home = std::make_unique<QTemporaryDir>();
        qputenv("RUNVELLA_HOME", home->path().toUtf8());
        platform::install::ensureDataFolder();
        gConn.open(platform::paths::databasePath());
        log = WriteTenYearLog(gConn, lastDay);
    }
    return *log;
}

} // namespace bench
