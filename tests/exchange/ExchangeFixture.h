#pragma once

#include "common/ActivityBuilder.h"
#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"
#include "exchange/DataFile.h"

#include <QFile>
#include <QVariant>

#include <map>
#include <string>
#include <vector>

// Activities as the exchange files carry them, and a database to keep them in.
namespace exchangetest {

inline DataFile::Session session(const char *start, double type, bool fromDataRecorder) {
    DataFile::Session session;
    session.start = QDateTime::fromString(start, "yyyy-MM-dd HH:mm:ss");
    session.sportId = 1;
    session.sportName = "General";
    session.distanceUnit = "km";
    session.avgSpeedUnits = 1;
    session.maxSpeedUnits = 1;
    session.avgPaceUnits = 1;
    session.maxPaceUnits = 1;
    session.distance = 12.5;
    session.duration = 3600;
    session.description = "Easy run";
    session.sessionType = type;
    session.maxHr = 150;
    session.maxSpeed = 9.25;
    session.avgHr = 140;
    session.avgSpeed = 8;
    session.fromDataRecorder = fromDataRecorder;
    session.timeInZone = {600, 1200, 0, 0, 0};
    return session;
}

inline DataFile::Activity handEntered() {
    return {session("2026-08-05 07:03:09", 99, false), {}};
}

inline DataFile::Sample heartRate(double time, double hr) {
    DataFile::Sample sample;
    sample.duration = time;
    sample.hr = hr;
    sample.speed = 0;
    sample.distance = 0;
    return sample;
}

inline DataFile::Sample gps(double time, double speed, double distance, double latitude, double longitude) {
    DataFile::Sample sample;
    sample.duration = time;
    sample.hr = 0;
    sample.speed = speed;
    sample.distance = distance;
    sample.type = DataFile::kGpsSample;
    sample.latitude = latitude;
    sample.longitude = longitude;
    sample.altitude = 1000;
    sample.acqStatus = 3;
    sample.trueHeading = 90;
    sample.magHeading = 80;
    return sample;
}

inline DataFile::Activity heartRateOnly() {
    return {session("2026-03-09 07:00:00", 0, true),
            {heartRate(0, 120), heartRate(2, 121), heartRate(4, 125)}};
}

// Heart rate joined with GPS: the heart-rate samples come first, as the database orders them.
inline DataFile::Activity joinedGps() {
    return {session("2026-03-09 08:00:00", 20, true),
            {heartRate(0, 130), heartRate(2, 131), gps(0, 6.1, 0.006, 45.5, -73.5),
             gps(3.57, 6.3, 0.012, 45.5001, -73.4999), gps(7.14, 6.2, 0.018, 45.5002, -73.4998)}};
}

// The database's rows of one activity, by column, for comparing activities.
using Row = std::map<std::string, QVariant>;

// A fresh database with plain preferences and answered dialogs.
class ExchangeFixture : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        gPrimaryUnit = "mi";
        gPrimarySport = 1;
        gLanguageOffset = 0;
    }

    // Stores the activity as the other subsystems would, not through the import.
    SessionKey store(const DataFile::Activity &activity) {
        const DataFile::Session &s = activity.session;
        std::vector<testing::SampleRow> samples;
        for (const DataFile::Sample &sample : activity.samples)
            samples.push_back({.time = sample.duration,
                               .type = sample.type,
                               .hr = sample.hr,
                               .speed = sample.speed,
                               .distance = sample.distance,
                               .altitude = sample.altitude,
                               .latitude = sample.latitude,
                               .longitude = sample.longitude,
                               .acqStatus = sample.acqStatus,
                               .trueHeading = sample.trueHeading,
                               .magHeading = sample.magHeading});
        return testing::ActivityBuilder()
            .start(platform::db::isoDateTime(s.start))
            .sport(s.sportId)
            .distance(s.distance)
            .unit(s.distanceUnit)
            .speedUnits(s.maxSpeedUnits, s.avgSpeedUnits)
            .paceUnits(s.maxPaceUnits, s.avgPaceUnits)
            .duration(s.duration)
            .description(s.description)
            .type(s.sessionType)
            .heartRates(s.maxHr, s.avgHr)
            .speeds(s.maxSpeed, s.avgSpeed)
            .fromRecorder(s.fromDataRecorder.value_or(false))
            .zones(s.timeInZone)
            .samples(samples)
            .store(gConn);
    }

    std::vector<Row> rows(const char *sql, SessionKey key) {
        auto query = gConn.prepare(sql);
        query.bind(1, key);
        std::vector<Row> result;
        while (query.step()) {
            Row row;
            for (int column = 0; column < query.columnCount(); ++column)
                row[query.columnName(column).toStdString()] =
                    query.isNull(column) ? QVariant() : QVariant(query.columnText(column));
            result.push_back(row);
        }
        return result;
    }

    // Every column but the keys.
    Row activityRow(SessionKey key) {
        auto found = rows("select * from sessions where prkey = ?", key);
        EXPECT_EQ(found.size(), 1u);
        Row row = found.empty() ? Row() : found.front();
        row.erase("prkey");
        return row;
    }
    std::vector<Row> sampleRows(SessionKey key) {
        auto found =
            rows("select * from sessiondata where session_prkey = ? order by data_type, cum_duration", key);
        for (Row &row : found) {
            row.erase("prkey");
            row.erase("session_prkey");
        }
        return found;
    }

    std::int64_t count(const char *table) { return scalar(std::string("select count(*) from ") + table); }

    static QByteArray contents(const QString &path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }
    static void write(const QString &path, const QByteArray &bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
    }

    testing::ScriptedDialogs dialogs;
};

} // namespace exchangetest
