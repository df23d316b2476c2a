#pragma once

#include "core/Globals.h"

// Summary columns of one stored activity recomputed from its samples, for an activity whose
// samples changed (a merge). A failure reaches the caller.

// max_HR and avg_HR from its heart-rate rows, max_speed and avg_speed (in the activity's own
// unit) from its speed and GPS rows; no rows of a kind give 0.
void RecomputeSessionStats(platform::db::Connection &connection, SessionKey key);
