#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <vector>

// GPS samples as NMEA 0183 sentences, so that other GPS software can replay a track: for each
// sample $GPGGA (time, position, fix, altitude) and $GPRMC (time, status, position, speed,
// course, date, magnetic variation), and $GPGSA (fix mode) before the first sample's $GPRMC and
// whenever the fix state changes.
namespace Nmea {

// One GPS sample in the units the database stores.
struct GpsFix {
    double duration = 0;    // seconds from the start
    double speed = 0;       // miles per hour
    double altitude = 0;    // feet
    double latitude = 0;    // decimal degrees, north positive; 500 when unknown
    double longitude = 0;   // decimal degrees, east positive; 500 when unknown
    double trueHeading = 0; // degrees
    double magHeading = 0;  // degrees
    int acqStatus = 0;      // the receiver's fix state: 2 and more a fix
};

QString FormatNmeaTime(const QDateTime &utc); // hhmmss.00
QString FormatNmeaDate(const QDateTime &utc); // ddmmyy
QString FormatNmeaLatitude(double degrees);   // ddmm.mmmm of the absolute value
QString FormatNmeaLongitude(double degrees);  // dddmm.mmmm of the absolute value
QString HemisphereNS(double latitude);        // "N" above 0, else "S"
QString HemisphereEW(double longitude);       // "E" above 0, else "W"
QString NmeaFixIndicator(int acqStatus);      // "1" with a fix, else "0"
QString NmeaStatusChar(int acqStatus);        // "A" with a fix, else "V"
// The variation between the true and the magnetic heading, -180 to 180 degrees, as two
// fields: degrees and "E" when the magnetic heading lies west of (or on) the true one, else "W".
QString FormatMagneticVariation(double trueHeading, double magHeading);
// Metres, to two decimals, in the layout "#.##": 304.88, 100., .91.
QString FormatNmeaAltitude(double feet);
// Exclusive-or of the characters after "$" up to "*" (a "*" is skipped), two upper-case hex digits.
QString NmeaChecksum(const QString &sentence);

QString WriteGpgga(const QDateTime &utc, const GpsFix &fix);
QString WriteGpgsa(const GpsFix &fix);
QString WriteGprmc(const QDateTime &utc, const GpsFix &fix);

// The sentences of the samples, in time order, from the start in UTC.
QStringList NmeaSentences(const QDateTime &utcStart, const std::vector<GpsFix> &fixes);

// The file: one sentence a line, each line ending with CR LF.
QByteArray NmeaFileBytes(const QDateTime &utcStart, const std::vector<GpsFix> &fixes);

} // namespace Nmea
