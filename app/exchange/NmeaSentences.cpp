#include "exchange/NmeaSentences.h"

#include "core/Numbers.h"
#include "exchange/DataFileWriter.h"

#include <cmath>

namespace Nmea {
namespace {

constexpr double kFeetPerMetre = 3.28;
constexpr double kKnotsPerMph = 0.8689762;
constexpr double kUnknownPosition = 500;
constexpr int kFixed = 2;
constexpr int kEmptyGsaFields = 15; // 12 satellites, then PDOP, HDOP, VDOP

bool hasFix(int acqStatus) {
    return acqStatus >= kFixed || acqStatus < 0;
}

// Degrees to the given number of digits, then minutes to four decimals: 5130.0000.
QString degreesAndMinutes(double degrees, int degreeDigits) {
    if (degrees == kUnknownPosition)
        return QString();
    const double absolute = std::fabs(Numbers::roundHalfEven(degrees, 4));
    const double whole = std::floor(absolute);
    return QStringLiteral("%1%2")
        .arg(static_cast<long long>(whole), degreeDigits, 10, QLatin1Char('0'))
        .arg((absolute - whole) * 60, 7, 'f', 4, QLatin1Char('0'));
}

QString wholeNumber(double value) {
    return QString::number(static_cast<long long>(Numbers::roundHalfEven(value)));
}

QString sentence(const QStringList &fields) {
    const QString text = '$' + fields.join(QLatin1Char(',')) + '*';
    return text + NmeaChecksum(text);
}

QDateTime sampleTime(const QDateTime &utcStart, const GpsFix &fix) {
    return utcStart.addSecs(static_cast<qint64>(Numbers::roundHalfEven(fix.duration)));
}

} // namespace

QString FormatNmeaTime(const QDateTime &utc) {
    return utc.toString(QStringLiteral("HHmmss")) + QStringLiteral(".00");
}

QString FormatNmeaDate(const QDateTime &utc) {
    return utc.toString(QStringLiteral("ddMMyy"));
}

QString FormatNmeaLatitude(double degrees) {
    return degreesAndMinutes(degrees, 2);
}

QString FormatNmeaLongitude(double degrees) {
    return degreesAndMinutes(degrees, 3);
}

QString HemisphereNS(double latitude) {
    return latitude > 0 ? QStringLiteral("N") : QStringLiteral("S");
}

QString HemisphereEW(double longitude) {
    return longitude > 0 ? QStringLiteral("E") : QStringLiteral("W");
}

QString NmeaFixIndicator(int acqStatus) {
    return hasFix(acqStatus) ? QStringLiteral("1") : QStringLiteral("0");
}

QString NmeaStatusChar(int acqStatus) {
    return hasFix(acqStatus) ? QStringLiteral("A") : QStringLiteral("V");
}

QString FormatMagneticVariation(double trueHeading, double magHeading) {
    double variation =
        std::fmod(Numbers::roundHalfEven(trueHeading) - Numbers::roundHalfEven(magHeading), 360.0);
    if (variation > 180)
        variation -= 360;
    else if (variation <= -180)
        variation += 360;
    return variation >= 0 ? wholeNumber(variation) + QStringLiteral(",E")
                          : wholeNumber(-variation) + QStringLiteral(",W");
}

QString FormatNmeaAltitude(double feet) {
    const long long hundredths = std::llround(std::fabs(feet / kFeetPerMetre) * 100);
    const long long whole = hundredths / 100;
    const int fraction = static_cast<int>(hundredths % 100);
    QString text = hundredths != 0 && feet < 0 ? QStringLiteral("-") : QString();
    if (whole != 0)
        text += QString::number(whole);
    text += '.';
    if (fraction % 10 != 0)
        text += QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
    else if (fraction != 0)
        text += QString::number(fraction / 10);
    return text;
}

QString NmeaChecksum(const QString &sentence) {
    unsigned sum = 0;
    for (const QChar c : sentence.mid(1)) {
        if (c == QLatin1Char('*'))
            continue;
        sum ^= c.unicode() & 0xFF;
    }
    return QStringLiteral("%1").arg(sum, 2, 16, QLatin1Char('0')).toUpper();
}

QString WriteGpgga(const QDateTime &utc, const GpsFix &fix) {
    return sentence({QStringLiteral("GPGGA"), FormatNmeaTime(utc), FormatNmeaLatitude(fix.latitude),
                     HemisphereNS(fix.latitude), FormatNmeaLongitude(fix.longitude),
                     HemisphereEW(fix.longitude), NmeaFixIndicator(fix.acqStatus), QString(), QString(),
                     FormatNmeaAltitude(fix.altitude), QStringLiteral("M"), QString(), QStringLiteral("M"),
                     QString(), QString()});
}

QString WriteGpgsa(const GpsFix &fix) {
    QStringList fields{QStringLiteral("GPGSA"), QStringLiteral("A"),
                       QString::number(fix.acqStatus >= kFixed ? fix.acqStatus : 1)};
    for (int i = 0; i < kEmptyGsaFields; ++i)
        fields << QString();
    return sentence(fields);
}

QString WriteGprmc(const QDateTime &utc, const GpsFix &fix) {
    const double knots = Numbers::roundHalfEven(fix.speed * kKnotsPerMph, 2);
    return sentence({QStringLiteral("GPRMC"), FormatNmeaTime(utc), NmeaStatusChar(fix.acqStatus),
                     FormatNmeaLatitude(fix.latitude), HemisphereNS(fix.latitude),
                     FormatNmeaLongitude(fix.longitude), HemisphereEW(fix.longitude),
                     DataFileWriter::FileNumber(knots), wholeNumber(fix.trueHeading), FormatNmeaDate(utc),
                     FormatMagneticVariation(fix.trueHeading, fix.magHeading)});
}

QStringList NmeaSentences(const QDateTime &utcStart, const std::vector<GpsFix> &fixes) {
    QStringList sentences;
    for (std::size_t i = 0; i < fixes.size(); ++i) {
        const GpsFix &fix = fixes[i];
        const QDateTime time = sampleTime(utcStart, fix);
        sentences << WriteGpgga(time, fix);
        if (i == 0 || fix.acqStatus != fixes[i - 1].acqStatus)
            sentences << WriteGpgsa(fix);
        sentences << WriteGprmc(time, fix);
    }
    return sentences;
}

QByteArray NmeaFileBytes(const QDateTime &utcStart, const std::vector<GpsFix> &fixes) {
    QByteArray bytes;
    for (const QString &line : NmeaSentences(utcStart, fixes))
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

} // namespace Nmea
