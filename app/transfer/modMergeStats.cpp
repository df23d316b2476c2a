#include "transfer/modMergeStats.h"

#include "core/Numbers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace modMergeStats {
namespace {

// Speeds are stored in miles per hour; an activity shows them in its own unit.
double speedFactor(const QString &distanceUnit) {
    if (distanceUnit == "km")
        return 1.609344;
    if (distanceUnit == "nm")
        return 0.868976;
    return 1.0;
}

struct ZoneBounds {
    double low = 0;
    double high = 0;
};

std::array<ZoneBounds, 5> zoneBounds() {
    std::array<ZoneBounds, 5> zones{};
    zones[4].high = 250;
    auto query =
        gConn.prepare("select zone1low, zone1high, zone2low, zone2high, zone3low, zone3high, zone4low, "
                      "zone4high, zone5low, zone5high from zones");
    if (query.step())
        for (int zone = 0; zone < 5; ++zone)
            zones[zone] = {static_cast<double>(static_cast<std::int16_t>(query.columnInt64(2 * zone))),
                           static_cast<double>(static_cast<std::int16_t>(query.columnInt64(2 * zone + 1)))};
    return zones;
}

} // namespace

void RecomputeSessionStats(SessionKey key) {
    auto unitQuery = gConn.prepare("select distance_unit from sessions where prkey = ?");
    unitQuery.bind(1, key);
    if (!unitQuery.step())
        throw platform::db::DbError(0, "activity " + std::to_string(key) + " does not exist");
    const QString distanceUnit = unitQuery.columnText(0);

    std::int32_t maxHr = 0;
    std::int32_t avgHr = 0;
    auto hrQuery =
        gConn.prepare("select count(*), coalesce(sum(Hr), 0), coalesce(max(Hr), 0) from sessiondata "
                      "where session_prkey = ? and data_type = 0");
    hrQuery.bind(1, key);
    hrQuery.step();
    if (const auto count = hrQuery.columnInt64(0); count > 0) {
        maxHr = static_cast<std::int32_t>(std::max(0.0, hrQuery.columnDouble(2)));
        avgHr = static_cast<std::int32_t>(Numbers::roundHalfEven(hrQuery.columnDouble(1) / count));
    }

    double maxSpeed = 0;
    double avgSpeed = 0;
    auto speedQuery = gConn.prepare("select coalesce(max(Speed), 0) from sessiondata "
                                    "where session_prkey = ? and data_type <> 0");
    speedQuery.bind(1, key);
    speedQuery.step();
    maxSpeed = std::max(0.0, speedQuery.columnDouble(0));
    auto lastQuery =
        gConn.prepare("select cum_distance, cum_duration from sessiondata where session_prkey = ? "
                      "and data_type <> 0 order by cum_duration desc, prkey desc limit 1");
    lastQuery.bind(1, key);
    if (lastQuery.step() && lastQuery.columnDouble(1) > 0)
        avgSpeed = lastQuery.columnDouble(0) / lastQuery.columnDouble(1) * 3600;

    const double factor = speedFactor(distanceUnit);
    auto update = gConn.prepare("update sessions set max_HR = ?, avg_HR = ?, max_speed = ?, avg_speed = ? "
                                "where prkey = ?");
    update.bindAll(maxHr, avgHr, double{static_cast<float>(maxSpeed * factor)},
                   double{static_cast<float>(avgSpeed * factor)}, key);
    update.execute();
}

void ComputeTimeInZones(SessionKey key) {
    const auto zones = zoneBounds();
    std::array<std::int32_t, 5> counts{};
    auto query = gConn.prepare("select Hr from sessiondata where session_prkey = ? and data_type = 0");
    query.bind(1, key);
    while (query.step()) {
        const double hr = query.columnDouble(0);
        const auto zone = std::find_if(zones.begin(), zones.end(), [hr](const ZoneBounds &bounds) {
            return bounds.low <= hr && hr <= bounds.high;
        });
        if (zone != zones.end())
            ++counts[zone - zones.begin()];
    }
    auto update = gConn.prepare("update sessions set time_zone1 = ?, time_zone2 = ?, time_zone3 = ?, "
                                "time_zone4 = ?, time_zone5 = ? where prkey = ?");
    update.bindAll(2 * counts[0], 2 * counts[1], 2 * counts[2], 2 * counts[3], 2 * counts[4], key);
    update.execute();
}

} // namespace modMergeStats
