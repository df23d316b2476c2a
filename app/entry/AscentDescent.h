#pragma once

#include "core/Globals.h"

#include <QString>

#include <optional>
#include <vector>

// Total climb and drop of a recorded GPS activity, from its altitudes in feet in time order.
// The altitudes are smoothed, and a change counts once it reaches 15 feet from the last point
// counted; what is left at the end counts in full.
namespace AscentDescent {

struct Totals {
    double ascent = 0; // feet
    double descent = 0;
    bool operator==(const Totals &) const = default;
};

// Smoothing weight 0.8 keeps more of the previous altitude than 0.6 does. Rows without an
// altitude are passed over; the figures start at the first row that has one.
Totals Compute(const std::vector<std::optional<double>> &altitudes, bool strongSmoothing);

// The GPS altitudes of the activity in time order; nothing when none of its GPS rows has an
// altitude, so that no totals are shown.
std::optional<std::vector<std::optional<double>>> ReadAltitudes(SessionKey key);

// A total as the window shows it: metres with one decimal when the preferred unit is "km",
// whole feet otherwise, then a space and the unit's name.
QString TotalText(double feet, const QString &preferredUnit);

} // namespace AscentDescent
