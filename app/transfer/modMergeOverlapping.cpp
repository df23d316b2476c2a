#include "transfer/modMerge.h"

#include "core/HeartRateZones.h"
#include "core/Numbers.h"
#include "transfer/PreferredUnits.h"
#include "transfer/SessionStatistics.h"
#include "transfer/modMergeActivity.h"
#include "transfer/modMergeSamples.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

namespace modMerge {
namespace {

constexpr std::int16_t kJoinedType = 20;
constexpr double kBeforeAnySample = std::numeric_limits<double>::lowest();

// Where both recorded, the earlier activity's samples stand: the later one's follow from one
// sample step after the earlier one's last, at their own times on the earlier one's timeline.
double firstTimeTaken(const std::optional<SampleRow> &earlierLast, double step) {
    return earlierLast ? earlierLast->cumDuration + step : kBeforeAnySample;
}

void appendHeartRateBeyond(SessionKey earlierKey, SessionKey laterKey, double offset) {
    const double from = firstTimeTaken(LastSample(earlierKey, SampleKind::HeartRate), kHeartRateStep);
    CopySamples(earlierKey, laterKey, {.kind = SampleKind::HeartRate, .timeOffset = offset, .from = from});
}

// Returns the miles that the later activity's appended samples cover.
double appendSpeedBeyond(SessionKey earlierKey, SessionKey laterKey, double offset) {
    const auto earlierLast = LastSample(earlierKey, SampleKind::Speed);
    const double from = firstTimeTaken(earlierLast, kSpeedStep);
    auto skipped =
        gConn.prepare("select cum_distance from sessiondata where session_prkey = ? and data_type "
                      "<> 0 and ? + cum_duration < ? order by cum_duration desc, prkey desc limit 1");
    skipped.bindAll(laterKey, offset, from);
    const double coveredBefore = skipped.step() ? skipped.columnDouble(0) : 0;
    const double distanceShift = (earlierLast ? earlierLast->cumDistance : 0) - coveredBefore;
    CopySamples(
        earlierKey, laterKey,
        {.kind = SampleKind::Speed, .timeOffset = offset, .distanceOffset = distanceShift, .from = from});
    const auto laterLast = LastSample(laterKey, SampleKind::Speed);
    return laterLast && offset + laterLast->cumDuration >= from ? laterLast->cumDistance - coveredBefore : 0;
}

} // namespace

bool MergeOverlapping(SessionKey earlierKey, SessionKey laterKey) {
    const StoredActivity earlier = ExistingActivity(earlierKey);
    const StoredActivity later = ExistingActivity(laterKey);
    if (!UnitsAgree(earlier, later))
        return false;
    const bool typesFit =
        earlier.type == later.type || earlier.type == kJoinedType || later.type == kJoinedType;
    if (earlierKey == laterKey || !typesFit)
        return false;

    const auto offset = static_cast<double>(earlier.start.secsTo(later.start));
    platform::db::Transaction transaction(gConn);
    appendHeartRateBeyond(earlierKey, laterKey, offset);
    const double addedMiles = appendSpeedBeyond(earlierKey, laterKey, offset);
    const double addedDistance = DistanceInUnit(static_cast<float>(addedMiles), earlier.distanceUnit);
    gConn.prepare("update sessions set Duration = ?, Distance = ?, session_type = ? where prkey = ?")
        .bindAll(std::max(earlier.duration, offset + later.duration),
                 Numbers::roundHalfEven(earlier.distance + addedDistance, 3),
                 int{earlier.type == later.type ? earlier.type : kJoinedType}, earlierKey)
        .execute();
    RecomputeSessionStats(gConn, earlierKey);
    // Each heart-rate sample counts for the time up to the next one, as for a session just
    // stored, so the zones hold no more time than the samples span.
    ComputeTimeInZones(gConn, earlierKey, ZoneSampleSpan::AllButLast);
    DeleteSession(laterKey);
    transaction.commit();
    return true;
}

} // namespace modMerge
