#pragma once

#include "core/Globals.h"
#include "sessionview/SessionSeries.h"

#include <vector>

namespace sessionview {

// Every sample of the activity in time order, heart-rate and speed samples interleaved.
// Throws platform::db::DbError when gConn fails.
std::vector<SessionSample> ReadSessionSamples(SessionKey key);

} // namespace sessionview
