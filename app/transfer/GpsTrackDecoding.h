#pragma once

#include "core/DeviceSessionRecord.h"
#include "core/SamplePoint.h"

#include <cstdint>
#include <vector>

// Seconds between two speed and GPS points.
inline constexpr double kGpsSampleSeconds = 3.57;

// The sessiondata.data_type of a session's points: 1 speed (record mode 1), 2 GPS (mode 5),
// 0 for any other mode.
int GpsSampleKind(std::uint8_t recordMode);

struct DecodedTrack {
    std::vector<SamplePoint> points;
    bool corrupted = false; // a record of an unknown kind, or cut short, ended the stream
};

// One point per speed or GPS record, one more per time mark; positions, altitude and headings
// only in a GPS session. The points before a bad record are kept.
DecodedTrack DecodeGpsRecords(const DeviceSessionRecord &record);

// Turns the recorder's readings into a clean track: the wrapping distance counter becomes a
// running total, GPS jumps that the distance cannot explain are held back, the distance starts
// at 0 and, when asked, single speed spikes are flattened.
void CleanGpsTrack(std::vector<SamplePoint> &points, bool filterSpikes);

// Points without a good fix take the altitude of the last good fix before them; points before
// the first good fix take that fix's altitude (0 when there is none).
void HoldAltitudeWithoutFix(std::vector<SamplePoint> &points);
