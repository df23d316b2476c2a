#include "transfer/PreferredUnits.h"

#include "core/Numbers.h"

int SpeedUnitCode(const QString &distanceUnit) {
    if (distanceUnit == "km")
        return 1;
    if (distanceUnit == "nm")
        return 2;
    return 0;
}

float DistanceInUnit(float miles, const QString &distanceUnit) {
    if (distanceUnit == "km")
        return Numbers::toSingle(miles * 1.609344);
    if (distanceUnit == "nm")
        return Numbers::toSingle(miles * 0.868976);
    return miles;
}

float SpeedInUnit(float milesPerHour, const QString &distanceUnit) {
    if (distanceUnit == "km")
        return Numbers::toSingle(milesPerHour * 1.609344);
    if (distanceUnit == "nm")
        return Numbers::toSingle(milesPerHour / 1.15078);
    return milesPerHour;
}
