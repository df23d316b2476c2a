#include "transfer/modMergeActivity.h"

#include "core/HeartRateZones.h"
#include "core/StoredSamples.h"
#include "transfer/SessionStatistics.h"
#include "transfer/TransferState.h"
#include "transfer/modMerge.h"

#include <string>

namespace modMerge {

StoredActivity ExistingActivity(SessionKey key) {
    if (auto activity = ReadActivity(key))
        return *std::move(activity);
    throw platform::db::DbError(0, "activity " + std::to_string(key) + " does not exist");
}

bool UnitsAgree(const StoredActivity &first, const StoredActivity &second) {
    gMergeUnitsDiffer = first.distanceUnit != second.distanceUnit;
    return !gMergeUnitsDiffer;
}

void AddDistanceAndDuration(SessionKey key1, SessionKey key2, std::int32_t gap) {
    const StoredActivity second = ExistingActivity(key2);
    gConn
        .prepare(
            "update sessions set Distance = coalesce(Distance, 0) + ?, Duration = coalesce(Duration, 0) + ? "
            "where prkey = ?")
        .bindAll(second.distance, second.duration + gap, key1)
        .execute();
}

void SetSessionType(SessionKey key, std::int16_t type) {
    gConn.prepare("update sessions set session_type = ? where prkey = ?").bindAll(int{type}, key).execute();
}

void FinishMerge(SessionKey key1, SessionKey key2) {
    // Figures entered by hand have no samples to be recomputed from; zeroing them would lose them.
    if (HasSamples(key1)) {
        RecomputeSessionStats(gConn, key1);
        ComputeTimeInZones(gConn, key1);
    }
    DeleteSession(key2);
}

} // namespace modMerge
