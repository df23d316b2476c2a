#pragma once

#include "summary/SummaryBuckets.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// What the summary graphs read: one query per graph and period, its rows summed into the
// graph's buckets. Every function throws platform::db::DbError when the database fails.
namespace summary {

// One bucket's figures: its total and, in the goal graphs, the goal stored for its week.
// Durations in seconds, distances in the preferred unit.
struct BucketTotal {
    double value = 0;
    double goal = 0;
};

inline constexpr int kZones = 5;
using ZoneSeconds = std::array<double, kZones>;

// The activities' durations per bucket.
std::vector<BucketTotal> ActivityTime(const BucketRange &buckets);
// The time in one heart-rate zone (1 to 5) per bucket; throws std::invalid_argument for another.
std::vector<BucketTotal> ZoneTime(const BucketRange &buckets, int zone);
// The time in each of the five zones per bucket, of one sport's activities or of all.
std::vector<ZoneSeconds> ZoneTimes(const BucketRange &buckets, std::optional<std::int64_t> sport);

// How a bucket's distances add up: in single precision as most graphs keep them, or in double.
enum class Precision { Single, Double };
// The activities' distances per bucket, each converted from its own unit to the preferred one
// (a missing distance counts as 0), of one sport's activities or of all.
std::vector<BucketTotal> Distances(const BucketRange &buckets, const QString &preferredUnit,
                                   std::optional<std::int64_t> sport, Precision precision);

// The weekly goals stored for the buckets' weeks; a week without one, or whose goal is empty,
// has the goal 0. A distance goal is rounded to 3 decimals.
enum class Goal { ActivityTime, Distance, Zone1, Zone2, Zone3, Zone4, Zone5 };
void AddGoals(std::vector<BucketTotal> &totals, const BucketRange &buckets, Goal goal);

// The body measure recorded for each day; 0 where none was recorded.
enum class Measure { Weight, RestingPulse };
std::vector<BucketTotal> DailyMeasure(const BucketRange &days, Measure measure);

// Each day's highest altitude over its activities' GPS samples, each activity's samples taken in
// time order and smoothed (a new sample weighs 0.2, or 0.4 without smoothing); in feet, or in
// metres for the preferred unit "km". 0 for a day without altitudes.
std::vector<BucketTotal> HighestAltitude(const BucketRange &days, const QString &preferredUnit,
                                         bool smoothing);

// The preferred distance unit as the preferences row holds it now; "mi" without one.
QString StoredPreferredUnit();

} // namespace summary
