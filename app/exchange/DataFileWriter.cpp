#include "exchange/DataFileWriter.h"

#include "core/Numbers.h"
#include "exchange/Windows1252.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace DataFileWriter {
namespace {

constexpr int kSignificantDigits = 15;
const QString kLineEnd = QStringLiteral("\r\n");
const QString kShortHeader = QStringLiteral("duration(s),hr,speed(mph),distance(mi),data_flag");
const QString kPositionColumns =
    QStringLiteral(",longitude,latitude,altitude,acqstatus,trueheading,magheading");

QString number(const std::optional<double> &value) {
    return value ? FileNumber(*value) : QString();
}

QString wholeNumber(const std::optional<double> &value) {
    return QString::number(static_cast<long long>(Numbers::roundHalfEven(value.value_or(0))));
}

QString rounded(const std::optional<double> &value, int decimals) {
    return FileNumber(Numbers::roundHalfEven(value.value_or(0), decimals));
}

QString startText(const QDateTime &start) {
    const QDate day = start.date();
    return QStringLiteral("%1/%2/%3 %4")
        .arg(day.month())
        .arg(day.day())
        .arg(day.year(), 4, 10, QLatin1Char('0'))
        .arg(start.time().toString(QStringLiteral("HH:mm:ss")));
}

// Every line break becomes "^^", so that no positional line of the file can shift.
QString oneLine(const QString &text) {
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String("^^"));
    line.replace(QLatin1Char('\r'), QLatin1String("^^"));
    line.replace(QLatin1Char('\n'), QLatin1String("^^"));
    return line;
}

QStringList sessionLines(const DataFile::Session &session, const Options &options) {
    QStringList lines{
        QStringLiteral("[Runvella Data File]"),
        QStringLiteral("[session data]"),
        "version=1.2_" + options.dateOrderPattern,
        "Sessiondate=" + startText(session.start),
        "sportName=" + session.sportName,
        "sportID=" + number(session.sportId),
        "distanceunit=" + session.distanceUnit,
        "avgspeedunit=" + number(session.avgSpeedUnits),
        "maxspeedunit=" + number(session.maxSpeedUnits),
        "avgpaceunits=" + number(session.avgPaceUnits),
        "maxpaceunits=" + number(session.maxPaceUnits),
        "distance=" + number(session.distance),
        "duration=" + number(session.duration),
        "description=" + oneLine(session.description.value_or(QString())),
        "sessionType=" + number(session.sessionType),
        "maxHR=" + number(session.maxHr),
        "maxSpeed=" + number(session.maxSpeed),
        "avgHR=" + number(session.avgHr),
        "avgSpeed=" + number(session.avgSpeed),
        "fromDataRecorder=" +
            (session.fromDataRecorder ? QString(*session.fromDataRecorder ? "True" : "False") : QString()),
    };
    for (int zone = 0; zone < 5; ++zone)
        lines << QStringLiteral("TimeZone%1=").arg(zone + 1) + number(session.timeInZone[zone]);
    return lines;
}

// The positional columns go out when the first GPS sample knows its fix state, unless the
// athlete asked for the basic data only.
bool fullShape(const std::vector<DataFile::Sample> &samples, const Options &options) {
    const auto gps = std::ranges::find(samples, DataFile::kGpsSample, &DataFile::Sample::type);
    return gps != samples.end() && gps->acqStatus && !options.basicDataOnly;
}

QString row(const DataFile::Sample &sample, bool full) {
    const bool gps = sample.type == DataFile::kGpsSample;
    QStringList values{FileNumber(sample.duration.value_or(0)), wholeNumber(sample.hr),
                       rounded(sample.speed, 1), rounded(sample.distance, 3),
                       QString::number(gps && !full ? DataFile::kSpeedSample : sample.type)};
    if (full && gps)
        values << (sample.longitude ? FileNumber(*sample.longitude) : QStringLiteral("0.0"))
               << (sample.latitude ? FileNumber(*sample.latitude) : QStringLiteral("0.0"))
               << number(sample.altitude) << number(sample.acqStatus) << number(sample.trueHeading)
               << number(sample.magHeading);
    else if (full)
        values << "0"
               << "0"
               << "0"
               << "0"
               << "0"
               << "0";
    return '"' + values.join(QLatin1String("\",\"")) + '"';
}

} // namespace

QString FileNumber(double value) {
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0");
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    QString text = QString::number(value, 'f', std::max(0, kSignificantDigits - 1 - magnitude));
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QByteArray DataFileBytes(const DataFile::Activity &activity, const Options &options) {
    QStringList lines = sessionLines(activity.session, options);
    if (activity.session.fromDataRecorder.value_or(false) && !activity.samples.empty()) {
        const bool full = fullShape(activity.samples, options);
        lines << QString() << QStringLiteral("[recorded]")
              << (full ? kShortHeader + kPositionColumns : kShortHeader);
        for (const DataFile::Sample &sample : activity.samples)
            lines << row(sample, full);
    }
    const QString text = lines.join(kLineEnd) + kLineEnd;
    // A text that the code page cannot hold goes out whole as UTF-8, which the reader recognises,
    // and so does one whose code-page bytes the reader would take for UTF-8 ("Ã©" for "é").
    const auto codePage = Windows1252::encode(text);
    if (codePage && !codePage->isValidUtf8())
        return *codePage;
    return text.toUtf8();
}

} // namespace DataFileWriter
