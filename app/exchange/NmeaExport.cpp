#include "exchange/NmeaExport.h"

#include "exchange/ExchangeFiles.h"
#include "exchange/NmeaSentences.h"

#include <QDir>

namespace exchange {
namespace {

std::vector<Nmea::GpsFix> readFixes(SessionKey key) {
    auto rows = gConn.prepare(
        "select cum_duration, Speed, Altitude, Lat, Long, TrueHeading, MagHeading, ACQStatus "
        "from sessiondata where session_prkey = ? and data_type = 2 order by cum_duration, prkey");
    rows.bind(1, key);
    std::vector<Nmea::GpsFix> fixes;
    // A value the sample lacks counts as 0.
    while (rows.step())
        fixes.push_back({.duration = rows.columnDouble(0),
                         .speed = rows.columnDouble(1),
                         .altitude = rows.columnDouble(2),
                         .latitude = rows.columnDouble(3),
                         .longitude = rows.columnDouble(4),
                         .trueHeading = rows.columnDouble(5),
                         .magHeading = rows.columnDouble(6),
                         .acqStatus = static_cast<int>(rows.columnInt64(7))});
    return fixes;
}

} // namespace

QDateTime UtcStart(const QDateTime &localStart) {
    return QDateTime(localStart.date(), localStart.time(), Qt::LocalTime).toUTC();
}

QString ExportNmeaFile(SessionKey key, const QString &path) {
    const QString name = RandomString(20) + QStringLiteral(".txt");
    auto activity = gConn.prepare("select Session_datetime, fromDataRecorder from sessions where prkey = ?");
    activity.bind(1, key);
    if (!activity.step())
        throw ExchangeError("no activity has the key " + std::to_string(key));
    QByteArray bytes;
    if (activity.columnInt64(1) != 0)
        bytes = Nmea::NmeaFileBytes(UtcStart(platform::db::parseIsoDateTime(activity.columnText(0))),
                                    readFixes(key));
    WriteWholeFile(path.isEmpty() ? QDir(DataFolder()).filePath(name) : path, bytes);
    return name;
}

} // namespace exchange
