#pragma once

#include "core/StoredSamples.h"

#include <cstdint>
#include <optional>
#include <vector>

// Reading and padding the sample series of a stored activity, for merges. Heart-rate samples
// have data_type 0 and lie 2 s apart; speed and GPS samples have any other data_type and lie
// 3.57 s apart. All work on gConn.
namespace modMerge {

inline constexpr double kHeartRateStep = 2.0;
inline constexpr double kSpeedStep = 3.57;
inline constexpr int kGpsDataType = 2;

// Where a GPS sample was taken, as stored with it.
struct Position {
    double altitude = 0;    // the recorder's value less 2000
    double lat = 0;         // decimal degrees
    double lon = 0;         // decimal degrees
    double trueHeading = 0; // degrees
    double magHeading = 0;  // degrees
};

// One stored sample, as much of it as the merges carry forward.
struct SampleRow {
    double cumDuration = 0;
    int dataType = 0;
    std::optional<double> hr;
    double speed = 0;
    double cumDistance = 0;
    Position position;
};

std::optional<SampleRow> FirstSample(SessionKey key, SampleKind kind);
std::optional<SampleRow> LastSample(SessionKey key, SampleKind kind);

// The cum_duration of the activity's last heart-rate sample (rowKind 0) or last speed sample
// (any other rowKind); 0 when it has none.
float GetLastCumDuration(SessionKey key, int rowKind);

// Heart-rate fillers at fromTime + 2, + 4, ... up to toTime, carrying the last heart rate.
void AppendHRRows(SessionKey key, float fromTime, float toTime);

// Speed fillers at fromTime + 3.57, + 7.14, ... up to toTime with the given distance and
// data type. They carry the activity's last speed (0 when zeroSpeed is not 0) and, for GPS
// rows, its last position; an activity with heart-rate samples only takes the position of
// otherKey's first speed sample.
void AppendSessionDataRows(SessionKey key, SessionKey otherKey, float fromTime, float toTime,
                           float cumDistance, std::int16_t dataType, std::int16_t zeroSpeed);

// What the speed samples that CopySamples writes carry of the source's altitude, position,
// headings and GPS status.
enum class PositionCopy {
    AsStored,        // all of them as the source has them
    OfGpsRowsOnly,   // altitude, position and headings of GPS rows only; the status as stored
    WithoutHeadings, // altitude and position as stored; no headings and no status
};

// How the samples of one kind of an activity are laid onto the timeline of the one they join.
// Each sample's time grows by timeOffset; with a spacing the samples take the times timeOffset,
// timeOffset + spacing, ... in their order instead. With `from` only the samples whose new time
// is at least that are copied (not with a spacing).
struct SampleCopy {
    SampleKind kind = SampleKind::HeartRate;
    double timeOffset = 0;
    std::optional<double> spacing = std::nullopt;
    double distanceOffset = 0;                  // speed samples: added to each distance
    std::optional<int> dataType = std::nullopt; // speed samples: the type they take instead of their own
    PositionCopy position = PositionCopy::OfGpsRowsOnly;
    std::optional<double> from = std::nullopt;
};

// Copies the samples of one kind of `source` onto `key`, in their time order, in one statement.
void CopySamples(SessionKey key, SessionKey source, const SampleCopy &copy);

// Writes heart-rate samples at the given times.
void InsertHeartRateFillers(SessionKey key, const std::vector<double> &times, double hr);

// Writes speed samples at the given times with ACQStatus 0; the position only for GPS rows.
void InsertSpeedFillers(SessionKey key, const std::vector<double> &times, double speed, double cumDistance,
                        int dataType, const Position &position);

} // namespace modMerge
