#pragma once

#include "core/Globals.h"

#include <array>
#include <vector>

// The five heart-rate zones of the zones row, bounds inclusive in beats per minute. Without
// a row zones 1 to 4 are 0 to 0 and zone 5 is 0 to 250.
struct HeartRateZones {
    std::array<int, 5> low{};
    std::array<int, 5> high{0, 0, 0, 0, 250};

    // The 0-based zone of a heart rate, the lowest-numbered one when bounds are shared; -1
    // when it falls in none.
    int zoneOf(int heartRate) const;

    // How many of the heart rates fall in each zone; a rate in no zone is not counted.
    std::array<int, 5> count(const std::vector<int> &heartRates) const;

    bool operator==(const HeartRateZones &) const = default;
};

HeartRateZones LoadHeartRateZones(platform::db::Connection &connection);

// Writes time_zone1 to time_zone5 of one activity: two seconds per counted heart-rate sample.
// Throws when no activity has the key.
void WriteTimeInZones(platform::db::Connection &connection, SessionKey key, const std::array<int, 5> &counts);

// Which of an activity's heart-rate samples count. A stored activity that is recomputed counts
// every one; where samples were just joined end to end each stands for the 2 s up to the next
// one, so the last stands for nothing.
enum class ZoneSampleSpan { AllSamples, AllButLast };

// time_zone1 to time_zone5 of one stored activity from its heart-rate samples and the current
// zones, 2 s per sample. A failure reaches the caller.
void ComputeTimeInZones(platform::db::Connection &connection, SessionKey key,
                        ZoneSampleSpan span = ZoneSampleSpan::AllSamples);
