#pragma once

#include "sessionview/SessionGraphQuantity.h"

#include <QString>

// The texts around an activity's graph in the interface language: axis titles and the
// headings of its table of lines.
namespace sessionview {

// The title of the axis showing the quantity in the unit; empty for none, and for altitude and
// elevation in a unit other than miles, nautical miles and kilometres.
QString AxisTitle(SessionGraphQuantity quantity, const QString &unit);

// The bottom axis: "Duration (hh:mm)", in German "Dauer (Std:Min)", with the time separator.
QString TimeAxisTitle(const QString &timeSeparator);

// The top axis: "Distance (mi)".
QString DistanceAxisTitle(const QString &unit);

// Line 0 of the table of lines, its headings joined by TAB. A joined activity has GPS when its
// first speed sample is a GPS sample.
QString TableHeadings(int sessionType, bool hasGps, const QString &unit);

} // namespace sessionview
