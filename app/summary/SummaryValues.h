#pragma once

#include <QString>

// How the summary graphs turn stored figures into what they plot and list.
namespace summary {

// A total of seconds as a clock reading "hh:mm" with its real hours (30 hours read 30:00),
// seconds dropped except where they round up to a whole minute, and the minutes that reading
// stands for, which the graph plots.
struct ClockReading {
    QString text;
    double minutes;
};
ClockReading ClockOfSeconds(double seconds);

// The number written as the user's system writes numbers: its decimal separator, no grouping,
// no trailing zeros.
QString NumberText(double value);

// The factor that turns a distance in one unit into another ("km", "mi", "nm", "m", "yd", in
// any case). Units outside these, and a missing one, leave the value as it is (factor 1).
double DistanceFactor(const QString &fromUnit, const QString &toUnit);

} // namespace summary
