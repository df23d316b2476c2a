#include "transfer/modMergeMixed.h"

#include "core/Numbers.h"
#include "platform/Database.h"
#include "transfer/modMergeActivity.h"
#include "transfer/modMergeSamples.h"

#include <algorithm>
#include <cmath>

namespace modMerge {
namespace {

constexpr std::int16_t kJoinedType = 20;

enum class Variant { OtherAnd20, TwentyAndOther, ZeroAnd20, TwentyAnd0 };

bool firstIsJoined(Variant variant) {
    return variant == Variant::TwentyAndOther || variant == Variant::TwentyAnd0;
}

double roundTo(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return Numbers::roundHalfEven(value * scale) / scale;
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
    gConn
        .prepare("insert into sessiondata (session_prkey, cum_duration, Hr, data_type) "
                 "select ?, ? + cum_duration, Hr, 0 "
                 "from sessiondata where session_prkey = ? and data_type = 0 order by cum_duration, prkey")
        .bindAll(key1, Numbers::roundHalfEven(lastSpeedTime(key1)) + kHeartRateStep, key2)
        .execute();
}

// Step E: the second's speed samples follow the first's last one.
void appendSpeed(Variant variant, SessionKey key1, SessionKey key2, int dataType) {
    const SampleRow last = *LastSample(key1, SampleKind::Speed);
    switch (variant) {
    case Variant::OtherAnd20:
        gConn
            .prepare(
                "insert into sessiondata (session_prkey, cum_duration, cum_distance, Speed, data_type, "
                "Altitude, Lat, Long, TrueHeading, MagHeading, ACQStatus) "
                "select ?, ? + cum_duration, ? + cum_distance, Speed, data_type, "
                "Altitude, Lat, Long, TrueHeading, MagHeading, ACQStatus "
                "from sessiondata where session_prkey = ? and data_type <> 0 order by cum_duration, prkey")
            .bindAll(key1, roundTo(last.cumDuration + kSpeedStep, 2), last.cumDistance, key2)
            .execute();
        return;
    case Variant::ZeroAnd20:
        gConn
            .prepare(
                "insert into sessiondata (session_prkey, cum_duration, cum_distance, Speed, data_type, "
                "Altitude, Lat, Long, TrueHeading, MagHeading, ACQStatus) "
                "select ?, ? + cum_duration, ? + cum_distance, Speed, data_type, "
                "case when data_type = 2 then Altitude end, case when data_type = 2 then Lat end, "
                "case when data_type = 2 then Long end, case when data_type = 2 then TrueHeading end, "
                "case when data_type = 2 then MagHeading end, ACQStatus "
                "from sessiondata where session_prkey = ? and data_type <> 0 order by cum_duration, prkey")
            .bindAll(key1, roundTo(roundTo(last.cumDuration, 2) + kSpeedStep, 2), last.cumDistance, key2)
            .execute();
        return;
    case Variant::TwentyAndOther:
        // The second's own times are not used: its samples are laid out 3.57 s apart, and they
        // take the joined activity's data type.
        gConn
            .prepare(
                "insert into sessiondata (session_prkey, cum_duration, cum_distance, Speed, data_type, "
                "Altitude, Lat, Long, TrueHeading, MagHeading, ACQStatus) "
                "select ?1, ?2 + ?3 * (row_number() over (order by cum_duration, prkey) - 1), "
                "?4 + cum_distance, Speed, ?5, Altitude, Lat, Long, "
                "case when ?5 = 2 then TrueHeading end, case when ?5 = 2 then MagHeading end, "
                "case when ?5 = 2 then ACQStatus end "
                "from sessiondata where session_prkey = ?6 and data_type <> 0 order by cum_duration, prkey")
            .bindAll(key1, Numbers::roundHalfEven(last.cumDuration) + kHeartRateStep, kSpeedStep,
                     last.cumDistance, dataType, key2)
            .execute();
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
    fillSecondsSpan(variant, key1, key2, gap, ReadActivity(key1).duration, ReadActivity(key2).duration,
                    distanceBeforeAppending, dataType);
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
