#pragma once

#include "core/Globals.h"

// The summary figures of one activity recomputed from its samples after a merge: highest and
// average heart rate and speed, and the seconds spent in each heart-rate zone.
namespace modMergeStats {

void RecomputeSessionStats(SessionKey key);
void ComputeTimeInZones(SessionKey key);

} // namespace modMergeStats
