#include "transfer/modMergeMixed.h"

#include "core/Numbers.h"
#include "platform/Database.h"
#include "transfer/modMergeActivity.h"
#include "transfer/modMergeSamples.h"

#include <algorithm>

namespace modMerge {
namespace {

constexpr std::int16_t kJoinedType = 20;

enum class Variant { OtherAnd20, TwentyAndOther, ZeroAnd20, TwentyAnd0 };

bool firstIsJoined(Variant variant) {
    return variant == Variant::TwentyAndOther || variant == Variant::TwentyAnd0;
}

double lastSpeedTime(SessionKey key) {
    const auto last = LastSample(key, SampleKind::Speed);
    return last ? last->cumDuration : 0;
}

double lastDistance(SessionKey key) {
    const auto last = LastSample(key, SampleKind::Speed);
    return last ? last->cumDistance : 0;
}

float fillerEnd(double time) {
    return static_cast<float>(time);
}

// The checks that keep a merge from losing the second's samples, made before anything is written.
bool canMerge(Variant variant, SessionKey key1, SessionKey key2, std::int32_t gap) {
    const auto speedStep = static_cast<float>(kSpeedStep);
    switch (variant) {
    case Variant::OtherAnd20:
        return HasSamples(key1, SampleKind::Speed);
    case Variant::ZeroAnd20: // the speed series made over the first's heart rate or over the
                             // bridged pause needs one sample at least
        return speedStep <= GetLastCumDuration(key1, 0) || speedStep <= static_cast<float>(gap);
    case Variant::TwentyAndOther: // only the second's speed samples are taken over
        return !HasSamples(key2, SampleKind::HeartRate);
    case Variant::TwentyAnd0:
        return true;
    }
    return false;
}

// Step A: the first gets both series, evened out to the same end.
void prepareFirst(Variant variant, SessionKey key1, SessionKey key2, int dataType) {
    switch (variant) {
    case Variant::OtherAnd20:
        AppendHRRows(key1, 0, GetLastCumDuration(key1, 1));
        return;
    case Variant::ZeroAnd20:
        AppendSessionDataRows(key1, key2, 0, GetLastCumDuration(key1, 0), 0, dataType, 1);
        return;
    case Variant::TwentyAndOther:
    case Variant::TwentyAnd0: {
        const float speedEnd = GetLastCumDuration(key1, 1);
        const float heartRateEnd = GetLastCumDuration(key1, 0);
        if (speedEnd > heartRateEnd)
            AppendHRRows(key1, heartRateEnd, speedEnd);
        else if (speedEnd < heartRateEnd)
            AppendSessionDataRows(key1, key2, speedEnd, heartRateEnd, static_cast<float>(lastDistance(key1)),
                                  dataType, 1);
        return;
    }
    }
}

// Step B: both series carry on through the pause between the two activities.
void bridgeGap(SessionKey key1, SessionKey key2, std::int32_t gap, int dataType) {
    const float heartRateEnd = GetLastCumDuration(key1, 0);
    AppendHRRows(key1, heartRateEnd, fillerEnd(double{heartRateEnd} + gap));
    const float speedEnd = GetLastCumDuration(key1, 1);
    AppendSessionDataRows(key1, key2, speedEnd, fillerEnd(double{speedEnd} + gap),
                          static_cast<float>(lastDistance(key1)), dataType, 1);
}

// Step D: the second's heart rate follows the first's last speed sample.
void appendHeartRate(SessionKey key1, SessionKey key2) {
    CopySamples(key1, key2,
                {.kind = SampleKind::HeartRate,
                 .timeOffset = Numbers::roundHalfEven(lastSpeedTime(key1)) + kHeartRateStep});
}

// Step E: the second's speed samples follow the first's last one.
void appendSpeed(Variant variant, SessionKey key1, SessionKey key2, int dataType) {
    const SampleRow last = *LastSample(key1, SampleKind::Speed);
    switch (variant) {
    case Variant::OtherAnd20:
        CopySamples(key1, key2,
                    {.kind = SampleKind::Speed,
                     .timeOffset = Numbers::roundHalfEven(last.cumDuration + kSpeedStep, 2),
                     .distanceOffset = last.cumDistance,
                     .position = PositionCopy::AsStored});
        return;
    case Variant::ZeroAnd20:
        CopySamples(key1, key2,
                    {.kind = SampleKind::Speed,
                     .timeOffset =
                         Numbers::roundHalfEven(Numbers::roundHalfEven(last.cumDuration, 2) + kSpeedStep, 2),
                     .distanceOffset = last.cumDistance});
        return;
    case Variant::TwentyAndOther:
        // The second's own times are not used: its samples are laid out 3.57 s apart, and they
        // take the joined activity's data type.
        CopySamples(
            key1, key2,
            {.kind = SampleKind::Speed,
             .timeOffset = Numbers::roundHalfEven(last.cumDuration) + kHeartRateStep,
             .spacing = kSpeedStep,
             .distanceOffset = last.cumDistance,
             .dataType = dataType,
             .position = dataType == kGpsDataType ? PositionCopy::AsStored : PositionCopy::WithoutHeadings});
        return;
    case Variant::TwentyAnd0:
        return;
    }
}

// Step F: the series the second lacked is filled over its part of the merged timeline, which
// begins after the bridged pause.
void fillSecondsSpan(Variant variant, SessionKey key1, SessionKey key2, std::int32_t gap,
                     double firstDuration, double secondDuration, double distance, int dataType) {
    const double from = firstDuration + std::max(gap, 0);
    const double to = from + secondDuration;
    if (variant == Variant::TwentyAndOther)
        AppendHRRows(key1, fillerEnd(from), fillerEnd(to));
    else if (variant == Variant::TwentyAnd0)
        AppendSessionDataRows(key1, key2, fillerEnd(from), fillerEnd(to), static_cast<float>(distance),
                              dataType, 1);
}

bool mergeMixed(Variant variant, SessionKey key1, SessionKey key2, std::int32_t gap) {
    const auto joinedFirstSpeed = FirstSample(firstIsJoined(variant) ? key1 : key2, SampleKind::Speed);
    if (!joinedFirstSpeed || !canMerge(variant, key1, key2, gap))
        return false;
    const int dataType = joinedFirstSpeed->dataType;

    platform::db::Transaction transaction(gConn);
    prepareFirst(variant, key1, key2, dataType);
    if (gap > 0)
        bridgeGap(key1, key2, gap, dataType);
    SetSessionType(key1, kJoinedType); // step C: before any of the second's samples arrive
    const double distanceBeforeAppending = lastDistance(key1);
    if (variant != Variant::TwentyAndOther)
        appendHeartRate(key1, key2);
    appendSpeed(variant, key1, key2, dataType);
    fillSecondsSpan(variant, key1, key2, gap, ExistingActivity(key1).duration,
                    ExistingActivity(key2).duration, distanceBeforeAppending, dataType);
    AddDistanceAndDuration(key1, key2, gap);
    FinishMerge(key1, key2);
    transaction.commit();
    return true;
}

} // namespace

bool MergeSessionsOtherAnd20(SessionKey key1, SessionKey key2, std::int32_t gap) {
    return mergeMixed(Variant::OtherAnd20, key1, key2, gap);
}

bool MergeSessions20AndOther(SessionKey key1, SessionKey key2, std::int32_t gap) {
    return mergeMixed(Variant::TwentyAndOther, key1, key2, gap);
}

bool MergeSessions0And20(SessionKey key1, SessionKey key2, std::int32_t gap) {
    return mergeMixed(Variant::ZeroAnd20, key1, key2, gap);
}

bool MergeSessions20And0(SessionKey key1, SessionKey key2, std::int32_t gap) {
    return mergeMixed(Variant::TwentyAnd0, key1, key2, gap);
}

} // namespace modMerge
