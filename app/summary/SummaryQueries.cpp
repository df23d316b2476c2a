#include "summary/SummaryQueries.h"

#include "core/Globals.h"
#include "core/Numbers.h"
#include "core/Units.h"
#include "summary/SummaryValues.h"

#include <stdexcept>
#include <string>

namespace summary {
namespace {

using platform::db::Statement;

// The bucket of a row's day, counted from the first bucket: parameters ?1 the first day and
// ?2 the days per bucket.
constexpr const char *kBucketOfDay = "cast((julianday(session_date) - julianday(?1)) / ?2 as integer)";

// Rows of the activities from the first bucket's day up to the day after the last: ?1 and ?3.
Statement activityRows(const std::string &columns, const BucketRange &buckets,
                       std::optional<std::int64_t> sport, const char *tail) {
    std::string sql = "select " + std::string(kBucketOfDay) + ", " + columns +
                      " from sessions where session_date >= ?1 and session_date < ?3";
    if (sport)
        sql += " and Sport = ?4";
    sql += tail;
    Statement rows = gConn.prepare(sql);
    rows.bindAll(buckets.first(), buckets.length(), buckets.end());
    if (sport)
        rows.bind(4, *sport);
    return rows;
}

// The bucket a row belongs to, or -1 for a row outside them.
int bucketOf(const Statement &rows, const BucketRange &buckets) {
    if (rows.isNull(0))
        return -1;
    const std::int64_t bucket = rows.columnInt64(0);
    return bucket >= 0 && bucket < buckets.count() ? static_cast<int>(bucket) : -1;
}

std::vector<BucketTotal> sumPerBucket(const BucketRange &buckets, const std::string &column) {
    std::vector<BucketTotal> totals(buckets.count());
    Statement rows = activityRows("sum(" + column + ")", buckets, std::nullopt, " group by 1");
    while (rows.step()) {
        const int bucket = bucketOf(rows, buckets);
        if (bucket >= 0)
            totals[bucket].value = rows.columnDouble(1);
    }
    return totals;
}

const char *goalColumn(Goal goal) {
    switch (goal) {
    case Goal::ActivityTime:
        return "time_target";
    case Goal::Distance:
        return "totalDistance";
    case Goal::Zone1:
        return "TimeInZone1";
    case Goal::Zone2:
        return "TimeInZone2";
    case Goal::Zone3:
        return "TimeInZone3";
    case Goal::Zone4:
        return "TimeInZone4";
    case Goal::Zone5:
        return "TimeInZone5";
    }
    return "time_target";
}

int checkedZone(int zone) {
    if (zone < 1 || zone > kZones)
        throw std::invalid_argument("there is no heart-rate zone " + std::to_string(zone));
    return zone;
}

} // namespace

std::vector<BucketTotal> ActivityTime(const BucketRange &buckets) {
    return sumPerBucket(buckets, "Duration");
}

std::vector<BucketTotal> ZoneTime(const BucketRange &buckets, int zone) {
    return sumPerBucket(buckets, "time_zone" + std::to_string(checkedZone(zone)));
}

std::vector<ZoneSeconds> ZoneTimes(const BucketRange &buckets, std::optional<std::int64_t> sport) {
    std::vector<ZoneSeconds> totals(buckets.count(), ZoneSeconds{});
    Statement rows = activityRows("sum(time_zone1), sum(time_zone2), sum(time_zone3), sum(time_zone4), "
                                  "sum(time_zone5)",
                                  buckets, sport, " group by 1");
    while (rows.step()) {
        const int bucket = bucketOf(rows, buckets);
        if (bucket < 0)
            continue;
        for (int zone = 0; zone < kZones; ++zone)
            totals[bucket][zone] = rows.columnDouble(zone + 1);
    }
    return totals;
}

std::vector<BucketTotal> Distances(const BucketRange &buckets, const QString &preferredUnit,
                                   std::optional<std::int64_t> sport, Precision precision) {
    std::vector<BucketTotal> totals(buckets.count());
    std::vector<float> singles(buckets.count(), 0.0f);
    Statement rows = activityRows("Distance, distance_unit", buckets, sport, " order by session_date, prkey");
    while (rows.step()) {
        const int bucket = bucketOf(rows, buckets);
        if (bucket < 0)
            continue;
        const double factor = DistanceFactor(rows.columnText(2), preferredUnit);
        if (precision == Precision::Single)
            singles[bucket] += Numbers::toSingle(Numbers::toSingle(rows.columnDouble(1)) * factor);
        else
            totals[bucket].value += rows.columnDouble(1) * factor;
    }
    if (precision == Precision::Single) {
        for (int bucket = 0; bucket < buckets.count(); ++bucket)
            totals[bucket].value = singles[bucket];
    }
    return totals;
}

void AddGoals(std::vector<BucketTotal> &totals, const BucketRange &buckets, Goal goal) {
    Statement rows = gConn.prepare(std::string("select theweek, ") + goalColumn(goal) +
                                   " from weeklyData where theweek >= ? and theweek < ?");
    rows.bindAll(buckets.first(), buckets.end());
    while (rows.step()) {
        const QDate week = platform::db::parseIsoDate(rows.columnText(0).left(10));
        const int bucket = buckets.indexOf(week);
        if (bucket < 0 || bucket >= static_cast<int>(totals.size()) || buckets.start(bucket) != week)
            continue;
        const double stored = rows.columnDouble(1);
        totals[bucket].goal =
            goal == Goal::Distance ? Numbers::toSingle(Numbers::roundHalfEven(stored, 3)) : stored;
    }
}

std::vector<BucketTotal> DailyMeasure(const BucketRange &days, Measure measure) {
    std::vector<BucketTotal> totals(days.count());
    std::vector<bool> seen(days.count(), false);
    Statement rows = gConn.prepare(std::string("select theday, ") +
                                   (measure == Measure::Weight ? "weight" : "restingpulse") +
                                   " from dailydata where theday >= ? and theday < ? order by theday");
    rows.bindAll(days.first(), days.end());
    while (rows.step()) {
        const int day = days.indexOf(platform::db::parseIsoDate(rows.columnText(0).left(10)));
        if (day < 0 || seen[day])
            continue;
        seen[day] = true;
        totals[day].value = rows.columnDouble(1);
    }
    return totals;
}

std::vector<BucketTotal> HighestAltitude(const BucketRange &days, const QString &preferredUnit,
                                         bool smoothing) {
    // A day whose highest smoothed altitude stays at this mark shows 0.
    constexpr double kNoAltitude = -2000;
    const float keep = smoothing ? 0.8f : 0.6f;
    const float weight = 1.0f - keep;
    const bool metres = preferredUnit.compare(QLatin1String("km"), Qt::CaseInsensitive) == 0;

    std::vector<double> highest(days.count(), kNoAltitude);
    Statement activities = gConn.prepare(
        "select prkey, session_date from sessions where session_date >= ? and session_date < ?");
    activities.bindAll(days.first(), days.end());
    // Years of GPS samples pass through here: each activity's altitudes come from an index that
    // holds them in time order, and nothing else of a sample is read.
    Statement altitudes =
        gConn.prepare("select Altitude from sessiondata where session_prkey = ? and data_type = 2 "
                      "order by cum_duration, prkey");
    while (activities.step()) {
        const int day = days.indexOf(platform::db::parseIsoDate(activities.columnText(1).left(10)));
        if (day < 0)
            continue;
        altitudes.bind(1, activities.columnInt64(0));
        // Each activity's smoothing starts afresh from its own first sample.
        bool first = true;
        double smoothed = 0;
        while (altitudes.step()) {
            if (altitudes.isNull(0))
                continue;
            const double altitude = altitudes.columnDouble(0);
            if (first) {
                first = false;
                smoothed = Numbers::roundHalfEven(metres ? altitude * Units::kMetresPerFoot : altitude);
            } else {
                const double kept = Numbers::toSingle(smoothed * keep);
                const double added = altitude * weight;
                smoothed = Numbers::roundHalfEven(kept + (metres ? added * Units::kMetresPerFoot : added));
            }
            highest[day] = std::max(highest[day], smoothed);
        }
        altitudes.reset();
    }

    std::vector<BucketTotal> totals(days.count());
    for (int day = 0; day < days.count(); ++day)
        totals[day].value = highest[day] == kNoAltitude ? 0 : highest[day];
    return totals;
}

QString StoredPreferredUnit() {
    Statement row = gConn.prepare("select Primary_Unit from preferences");
    if (row.step() && !row.isNull(0))
        return row.columnText(0);
    return QStringLiteral("mi");
}

} // namespace summary
