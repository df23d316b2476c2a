#pragma once

#include "platform/Database.h"

#include <array>
#include <cstdint>

// The five heart-rate zones of the zones row, bounds inclusive in beats per minute. Without
// a row zones 1 to 4 are 0 to 0 and zone 5 is 0 to 250.
struct HeartRateZones {
    std::array<int, 5> low{};
    std::array<int, 5> high{0, 0, 0, 0, 250};

    // The 0-based zone of a heart rate, the lowest-numbered one when bounds are shared; -1
    // when it falls in none.
    int zoneOf(int heartRate) const;
};

HeartRateZones LoadHeartRateZones(platform::db::Connection &connection);

// Writes time_zone1 to time_zone5 of one activity: two seconds per counted heart-rate sample.
void WriteTimeInZones(platform::db::Connection &connection, std::int64_t key,
                      const std::array<int, 5> &counts);
