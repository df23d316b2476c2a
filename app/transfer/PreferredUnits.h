#pragma once

#include <QString>

// Samples are always stored in miles and miles per hour; an activity's totals are kept in its
// own distance unit, and its four unit-code columns say which.
int SpeedUnitCode(const QString &distanceUnit);
float DistanceInUnit(float miles, const QString &distanceUnit);
float SpeedInUnit(float milesPerHour, const QString &distanceUnit);
