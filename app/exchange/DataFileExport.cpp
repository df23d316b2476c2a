#include "exchange/DataFileExport.h"

#include "core/modHelpersDates.h"
#include "exchange/DataFileWriter.h"
#include "exchange/ExchangeFiles.h"

#include <QDir>

namespace exchange {
namespace {

using platform::db::Statement;

std::optional<double> optionalNumber(const Statement &row, int column) {
    return row.isNull(column) ? std::nullopt : std::optional<double>(row.columnDouble(column));
}

void readSport(DataFile::Session &session) {
    if (session.sportId) {
        auto sport = gConn.prepare("select Description from sports where prkey = ?");
        sport.bind(1, *session.sportId);
        if (sport.step()) {
            session.sportName = sport.columnText(0);
            return;
        }
    }
    session.sportName = QStringLiteral("General");
    session.sportId = 1;
}

std::vector<DataFile::Sample> readSamples(SessionKey key) {
    auto rows = gConn.prepare("select cum_duration, Hr, Speed, cum_distance, data_type, Long, Lat, Altitude, "
                              "ACQStatus, TrueHeading, MagHeading from sessiondata where session_prkey = ? "
                              "order by data_type, cum_duration, prkey");
    rows.bind(1, key);
    std::vector<DataFile::Sample> samples;
    while (rows.step())
        samples.push_back({.duration = optionalNumber(rows, 0),
                           .hr = optionalNumber(rows, 1),
                           .speed = optionalNumber(rows, 2),
                           .distance = optionalNumber(rows, 3),
                           .type = static_cast<int>(rows.columnInt64(4)),
                           .longitude = optionalNumber(rows, 5),
                           .latitude = optionalNumber(rows, 6),
                           .altitude = optionalNumber(rows, 7),
                           .acqStatus = optionalNumber(rows, 8),
                           .trueHeading = optionalNumber(rows, 9),
                           .magHeading = optionalNumber(rows, 10)});
    return samples;
}

} // namespace

std::optional<DataFile::Activity> ReadDataFileActivity(SessionKey key) {
    auto row = gConn.prepare(
        "select Session_datetime, Sport, distance_unit, avg_Speed_Units, max_Speed_Units, avg_pace_units, "
        "max_pace_units, Distance, Duration, Description, session_type, max_HR, max_speed, avg_HR, "
        "avg_speed, "
        "fromDataRecorder, time_zone1, time_zone2, time_zone3, time_zone4, time_zone5 from sessions where "
        "prkey = ?");
    row.bind(1, key);
    if (!row.step())
        return std::nullopt;
    DataFile::Activity activity;
    DataFile::Session &session = activity.session;
    session.start = platform::db::parseIsoDateTime(row.columnText(0));
    session.sportId = optionalNumber(row, 1);
    session.distanceUnit = row.columnText(2);
    session.avgSpeedUnits = optionalNumber(row, 3);
    session.maxSpeedUnits = optionalNumber(row, 4);
    session.avgPaceUnits = optionalNumber(row, 5);
    session.maxPaceUnits = optionalNumber(row, 6);
    session.distance = optionalNumber(row, 7);
    session.duration = optionalNumber(row, 8);
    if (!row.isNull(9))
        session.description = row.columnText(9);
    session.sessionType = optionalNumber(row, 10);
    session.maxHr = optionalNumber(row, 11);
    session.maxSpeed = optionalNumber(row, 12);
    session.avgHr = optionalNumber(row, 13);
    session.avgSpeed = optionalNumber(row, 14);
    if (!row.isNull(15))
        session.fromDataRecorder = row.columnInt64(15) != 0;
    for (int zone = 0; zone < 5; ++zone)
        session.timeInZone[zone] = optionalNumber(row, 16 + zone);
    readSport(session);
    if (session.fromDataRecorder.value_or(false))
        activity.samples = readSamples(key);
    return activity;
}

QByteArray DataFileText(SessionKey key, bool basicDataOnly) {
    const auto activity = ReadDataFileActivity(key);
    if (!activity)
        throw ExchangeError("no activity has the key " + std::to_string(key));
    return DataFileWriter::DataFileBytes(
        *activity, {.dateOrderPattern = modHelpers::GetDateOrderPattern(), .basicDataOnly = basicDataOnly});
}

QString ExportDataFile(SessionKey key, const QString &path, bool basicDataOnly) {
    const QString name = RandomString(20) + QStringLiteral(".csv");
    WriteWholeFile(path.isEmpty() ? QDir(DataFolder()).filePath(name) : path,
                   DataFileText(key, basicDataOnly));
    return name;
}

} // namespace exchange
