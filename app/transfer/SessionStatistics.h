#pragma once

#include "core/Globals.h"

// Summary columns of one stored activity recomputed from its samples, for an activity whose
// samples changed (a merge) or whose zones did. A failure reaches the caller.

// max_HR and avg_HR from its heart-rate rows, max_speed and avg_speed (in the activity's own
// unit) from its speed and GPS rows; no rows of a kind give 0.
void RecomputeSessionStats(platform::db::Connection &connection, SessionKey key);

// time_zone1 to time_zone5 from its heart-rate rows and the current zones, 2 s per row.
void ComputeTimeInZones(platform::db::Connection &connection, SessionKey key);
