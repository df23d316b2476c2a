#pragma once

#include "sessionview/SessionGraphQuantity.h"

#include <QString>

// The texts around an activity's graph in the interface language: axis titles and the
// headings of its table of lines.
namespace sessionview {

// The title of the axis showing the quantity in the unit; empty for none, and for altitude and
// elevation in a unit other than miles, nautical miles and kilometres.
QString AxisTitle(SessionGraphQuantity quantity, const QString &unit);

// The titles of the bottom axis, with the time separator: "Duration (hh:mm)" while its labels read
// hours and minutes, "Duration (hh:mm:ss)" while they show seconds too; in German "Dauer (Std:Min)"
// and "Dauer (Std:Min:Sek)".
struct TimeTitles {
    QString clock;
    QString withSeconds;
};
TimeTitles TimeAxisTitles(const QString &timeSeparator);

// The top axis: "Distance (mi)".
QString DistanceAxisTitle(const QString &unit);

// Line 0 of the table of lines, its headings joined by TAB. A joined activity has GPS when its
// first speed sample is a GPS sample.
QString TableHeadings(int sessionType, bool hasGps, const QString &unit);

} // namespace sessionview
