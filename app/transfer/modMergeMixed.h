#pragma once

#include "core/Globals.h"

#include <cstdint>

// Merges of two activities of which exactly one is joined (type 20). The first activity stays
// and becomes type 20 with a heart-rate and a speed series over the whole merged time: the
// series it lacks is filled, a positive gap is bridged, the second's samples follow on one
// timeline, and the second is deleted. Each returns false, changing nothing, when the merged
// activity could not keep the second's samples: the joined activity has no speed sample, the
// first would have no speed sample to append after, or (20 and other) the second has samples
// without speed data. One transaction each, joining the caller's when one is open.
namespace modMerge {

// The first is a speed or GPS activity (1 to 5) or one entered by hand (99); the second is 20.
bool MergeSessionsOtherAnd20(SessionKey key1, SessionKey key2, std::int32_t gap);
// The first is 20; the second is neither 0 nor 20.
bool MergeSessions20AndOther(SessionKey key1, SessionKey key2, std::int32_t gap);
// The first is a heart-rate activity (0); the second is 20.
bool MergeSessions0And20(SessionKey key1, SessionKey key2, std::int32_t gap);
// The first is 20; the second is a heart-rate activity (0).
bool MergeSessions20And0(SessionKey key1, SessionKey key2, std::int32_t gap);

} // namespace modMerge
