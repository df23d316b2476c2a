#pragma once

#include "core/Globals.h"

#include <cstdint>

// Joining two stored activities into one, and removing an activity. Each call is one
// transaction on gConn: it is done completely or not at all.
namespace modMerge {

// Appends key2's samples to key1, gap seconds after key1's end (fillers bridge a positive gap),
// adds key2's distance and duration to key1, deletes key2 and recomputes key1's figures.
// Activities of different types go to the mixed merges when one of them is joined (type 20).
// False when refused, with nothing changed: gMergeUnitsDiffer tells whether the distance units
// differed; otherwise the two do not fit together (different types neither of which is 20, or
// samples that the merged activity could not keep).
bool MergeSessions(SessionKey key1, SessionKey key2, std::int32_t gap);

// Joins two activities whose recordings overlap into the earlier-starting one, which keeps its
// start. Where both recorded a series, the earlier one's samples stand; the later one's samples
// follow them at their own times. The duration spans both, and each heart-rate sample counts in
// the time in zones up to the next one. Refused as MergeSessions refuses.
bool MergeOverlapping(SessionKey earlierKey, SessionKey laterKey);

// Removes the activity and its samples. The day's weight and resting pulse are the athlete's
// own records and stay.
void DeleteSession(SessionKey key);

} // namespace modMerge
