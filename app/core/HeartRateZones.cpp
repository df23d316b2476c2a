#include "core/HeartRateZones.h"

#include "core/Numbers.h"
#include "core/StoredSamples.h"

#include <stdexcept>
#include <string>

int HeartRateZones::zoneOf(int heartRate) const {
    for (int zone = 0; zone < 5; ++zone) {
        if (low[zone] <= heartRate && heartRate <= high[zone])
            return zone;
    }
    return -1;
}

std::array<int, 5> HeartRateZones::count(const std::vector<int> &heartRates) const {
    std::array<int, 5> counts{};
    for (const int heartRate : heartRates) {
        if (const int zone = zoneOf(heartRate); zone >= 0)
            ++counts[zone];
    }
    return counts;
}

HeartRateZones LoadHeartRateZones(platform::db::Connection &connection) {
    HeartRateZones zones;
    auto row = connection.prepare("select zone1low, zone1high, zone2low, zone2high, zone3low, zone3high, "
                                  "zone4low, zone4high, zone5low, zone5high from zones limit 1");
    if (row.step()) {
        for (int zone = 0; zone < 5; ++zone) {
            zones.low[zone] = static_cast<int>(Numbers::roundHalfEven(row.columnDouble(2 * zone)));
            zones.high[zone] = static_cast<int>(Numbers::roundHalfEven(row.columnDouble(2 * zone + 1)));
        }
    }
    return zones;
}

void WriteTimeInZones(platform::db::Connection &connection, SessionKey key,
                      const std::array<int, 5> &counts) {
    connection
        .prepare("update sessions set time_zone1 = ?, time_zone2 = ?, time_zone3 = ?, time_zone4 = ?, "
                 "time_zone5 = ? where prkey = ?")
        .bindAll(2 * counts[0], 2 * counts[1], 2 * counts[2], 2 * counts[3], 2 * counts[4], key)
        .execute();
    if (connection.changes() == 0)
        throw std::runtime_error("No activity has the key " + std::to_string(key) + ".");
}

void ComputeTimeInZones(platform::db::Connection &connection, SessionKey key, ZoneSampleSpan span) {
    const HeartRateZones zones = LoadHeartRateZones(connection);
    std::vector<int> heartRates;
    ReadSamples(connection, key, SampleKind::HeartRate, {.hr = true}, [&](const StoredSample &sample) {
        heartRates.push_back(static_cast<int>(Numbers::roundHalfEven(sample.hr)));
    });
    if (span == ZoneSampleSpan::AllButLast && !heartRates.empty())
        heartRates.pop_back();
    WriteTimeInZones(connection, key, zones.count(heartRates));
}
