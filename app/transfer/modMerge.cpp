#include "transfer/modMerge.h"

#include "core/Numbers.h"
#include "platform/Database.h"
#include "transfer/modMergeActivity.h"
#include "transfer/modMergeMixed.h"
#include "transfer/modMergeSamples.h"

#include <vector>

namespace modMerge {
namespace {

constexpr std::int16_t kJoinedType = 20;
constexpr std::int16_t kHeartRateType = 0;

// A series of the second that the first lacks would have nowhere to go.
bool samplesFit(SessionKey key1, SessionKey key2) {
    for (const auto kind : {SampleKind::HeartRate, SampleKind::Speed})
        if (HasSamples(key2, kind) && !HasSamples(key1, kind))
            return false;
    return true;
}

void appendSpeedSeries(SessionKey key1, SessionKey key2, std::int32_t gap, const SampleRow &end) {
    if (gap > 0) {
        // The filler step is 3.57 s rounded to whole seconds at every step, so 4 s apart.
        std::vector<double> times;
        const double start = end.cumDuration + kSpeedStep;
        for (int k = 0; k < gap; k = static_cast<int>(Numbers::roundHalfEven(k + kSpeedStep)))
            times.push_back(start + k);
        InsertSpeedFillers(key1, times, 0, end.cumDistance, end.dataType, end.position);
    }
    const SampleRow last = *LastSample(key1, SampleKind::Speed);
    CopySamples(key1, key2,
                {.kind = SampleKind::Speed,
                 .timeOffset = last.cumDuration + kSpeedStep,
                 .distanceOffset = last.cumDistance});
}

void appendHeartRateSeries(SessionKey key1, SessionKey key2, std::int32_t gap, const SampleRow &end,
                           double speedEndTime) {
    if (gap > 0) {
        // A joined activity's pause starts where its speed series ends.
        std::vector<double> times;
        const double start = (speedEndTime != 0 ? speedEndTime : end.cumDuration) + kHeartRateStep;
        for (int k = 0; k < gap; k += 2)
            times.push_back(start + k);
        InsertHeartRateFillers(key1, times, end.hr.value_or(0));
    }
    const SampleRow last = *LastSample(key1, SampleKind::HeartRate);
    CopySamples(key1, key2, {.kind = SampleKind::HeartRate, .timeOffset = last.cumDuration + kHeartRateStep});
}

bool mergeSameType(SessionKey key1, SessionKey key2, std::int32_t gap) {
    if (!samplesFit(key1, key2))
        return false;
    const auto speedEnd = LastSample(key1, SampleKind::Speed);
    const auto heartRateEnd = LastSample(key1, SampleKind::HeartRate);
    if (speedEnd)
        appendSpeedSeries(key1, key2, gap, *speedEnd);
    if (heartRateEnd)
        appendHeartRateSeries(key1, key2, gap, *heartRateEnd, speedEnd ? speedEnd->cumDuration : 0);
    AddDistanceAndDuration(key1, key2, gap);
    FinishMerge(key1, key2);
    return true;
}

bool mergeMixedTypes(SessionKey key1, SessionKey key2, int type1, int type2, std::int32_t gap) {
    if (type1 == kJoinedType)
        return type2 == kHeartRateType ? MergeSessions20And0(key1, key2, gap)
                                       : MergeSessions20AndOther(key1, key2, gap);
    if (type2 == kJoinedType)
        return type1 == kHeartRateType ? MergeSessions0And20(key1, key2, gap)
                                       : MergeSessionsOtherAnd20(key1, key2, gap);
    return false;
}

} // namespace

bool MergeSessions(SessionKey key1, SessionKey key2, std::int32_t gap) {
    const StoredActivity first = ExistingActivity(key1);
    const StoredActivity second = ExistingActivity(key2);
    if (!UnitsAgree(first, second))
        return false;
    if (key1 == key2)
        return false;

    platform::db::Transaction transaction(gConn);
    const bool merged = first.type == second.type ? mergeSameType(key1, key2, gap)
                                                  : mergeMixedTypes(key1, key2, first.type, second.type, gap);
    if (merged)
        transaction.commit();
    return merged;
}

} // namespace modMerge
