#include "transfer/modMergeActivity.h"

#include "transfer/SessionStatistics.h"
#include "transfer/modMerge.h"
#include "transfer/modMergeSamples.h"

#include <string>

namespace modMerge {

ActivityRow ReadActivity(SessionKey key) {
    auto query =
        gConn.prepare("select session_type, distance_unit, Distance, Duration from sessions where prkey = ?");
    query.bind(1, key);
    if (!query.step())
        throw platform::db::DbError(0, "activity " + std::to_string(key) + " does not exist");
    return {static_cast<std::int16_t>(query.columnInt64(0)), query.columnText(1), query.columnDouble(2),
            query.columnDouble(3)};
}

void AddDistanceAndDuration(SessionKey key1, SessionKey key2, std::int32_t gap) {
    const ActivityRow second = ReadActivity(key2);
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
    if (HasSamples(key1, SampleKind::HeartRate) || HasSamples(key1, SampleKind::Speed)) {
        RecomputeSessionStats(gConn, key1);
        ComputeTimeInZones(gConn, key1);
    }
    DeleteSession(key2);
}

} // namespace modMerge
