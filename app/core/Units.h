#pragma once

#include <QString>

// The distance units the program keeps and shows: the factors between them and their labels.
// Distances are stored in miles and altitudes in feet.
namespace Units {

inline constexpr double kMetresPerFoot = 0.3048;
inline constexpr double kKilometresPerMile = 1.609344;
inline constexpr double kNauticalMilesPerMile = 0.868976;
inline constexpr double kYardsPerMile = 1760;

// The string id of a unit code's label: "km", "m", "yd" and "nm" their own, anything else miles.
int LabelId(const QString &unit);

} // namespace Units
