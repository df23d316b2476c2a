#pragma once

#include "core/StoredActivity.h"

#include <cstdint>

// The activity rows that a merge reads and grows.
namespace modMerge {

// The activity; throws platform::db::DbError when it does not exist.
StoredActivity ExistingActivity(SessionKey key);

// Records in gMergeUnitsDiffer whether the two keep their distances in different units; true
// when the units agree.
bool UnitsAgree(const StoredActivity &first, const StoredActivity &second);

// key1's distance and duration grow by key2's, and its duration by the gap too.
void AddDistanceAndDuration(SessionKey key1, SessionKey key2, std::int32_t gap);

void SetSessionType(SessionKey key, std::int16_t type);

// Removes the merged-in activity and recomputes the figures of the one that stays from its
// samples; an activity without samples keeps the figures it was entered with.
void FinishMerge(SessionKey key1, SessionKey key2);

} // namespace modMerge
