#include "transfer/PreferredUnits.h"

#include "core/Numbers.h"
#include "core/Units.h"

int SpeedUnitCode(const QString &distanceUnit) {
    if (distanceUnit == "km")
        return 1;
    if (distanceUnit == "nm")
        return 2;
    return 0;
}

float DistanceInUnit(float miles, const QString &distanceUnit) {
    if (distanceUnit == "km")
        return Numbers::toSingle(miles * Units::kKilometresPerMile);
    if (distanceUnit == "nm")
        return Numbers::toSingle(miles * Units::kNauticalMilesPerMile);
    return miles;
}

float SpeedInUnit(float milesPerHour, const QString &distanceUnit) {
    if (distanceUnit == "km")
        return Numbers::toSingle(milesPerHour * Units::kKilometresPerMile);
    if (distanceUnit == "nm")
        return Numbers::toSingle(milesPerHour / 1.15078);
    return milesPerHour;
}
