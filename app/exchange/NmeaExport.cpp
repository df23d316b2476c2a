#include "exchange/NmeaExport.h"

#include "core/StoredSamples.h"
#include "exchange/ExchangeFiles.h"
#include "exchange/NmeaSentences.h"

#include <QDir>

namespace exchange {
namespace {

std::vector<Nmea::GpsFix> readFixes(SessionKey key) {
    constexpr SampleColumns columns{.seconds = true,
                                    .speed = true,
                                    .altitude = true,
                                    .latitude = true,
                                    .longitude = true,
                                    .acqStatus = true,
                                    .headings = true};
    std::vector<Nmea::GpsFix> fixes;
    // A value the sample lacks counts as 0.
    ReadSamples(gConn, key, SampleKind::Gps, columns, [&](const StoredSample &sample) {
        fixes.push_back({.duration = sample.seconds,
                         .speed = sample.speed,
                         .altitude = sample.altitude.value_or(0),
                         .latitude = sample.latitude.value_or(0),
                         .longitude = sample.longitude.value_or(0),
                         .trueHeading = sample.trueHeading,
                         .magHeading = sample.magHeading,
                         .acqStatus = sample.acqStatus});
    });
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
