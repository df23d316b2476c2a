#pragma once

#include <QString>

// How the course statistics and the track plot write their numbers.
namespace analysis {

// A number in its shortest form with the user's decimal separator and no thousands separator
// (1.5, not 1.500).
QString NumberText(double value);

// One latitude or longitude in degrees, minutes and seconds with its hemisphere in front:
// -122.25 as a longitude reads W 122° 15' 0". Seconds that round up to a full minute carry into
// the minutes, and a full hour of minutes into the degrees.
QString FormatCoordinates(double value, bool isLongitude);

// Minutes per unit as whole minutes and seconds, each at least two digits, joined by the
// user's time separator: 7.5 reads 07:30.
QString PaceText(double pace, const QString &timeSeparator);

} // namespace analysis
