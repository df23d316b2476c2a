#include "core/GpsDistance.h"

#include <cmath>

namespace {
// Kept as the stored tracks and plots were computed with them, not the exact figures.
constexpr double kMilesPerDegree = 69.1;
constexpr double kDegreesPerRadian = 57.3;
} // namespace

double GpsDistance(double latitude1, double longitude1, double latitude2, double longitude2) {
    const double northSouth = (latitude2 - latitude1) * kMilesPerDegree;
    const double eastWest =
        (longitude2 - longitude1) * kMilesPerDegree * std::cos(latitude1 / kDegreesPerRadian);
    return std::sqrt(northSouth * northSouth + eastWest * eastWest);
}
