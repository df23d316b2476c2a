#include "transfer/GpsTrackDecoding.h"

#include "core/GpsDistance.h"
#include "core/Numbers.h"

#include <optional>

namespace {

enum RecordKind : std::uint8_t { kGap = 0x12, kSpeed = 0x15, kTimeMark = 0x45, kGps = 0xF0 };

constexpr std::size_t recordLength(std::uint8_t kind) {
    switch (kind) {
    case kGap:
        return 3;
    case kSpeed:
    case kTimeMark:
        return 5;
    case kGps:
        return 17;
    default:
        return 0;
    }
}

// A 12-bit field whose high nibble sits in a shared byte.
int twelveBits(int highNibble, std::uint8_t low) {
    return highNibble << 8 | low;
}

// Speed, distance and status, the same in both record kinds apart from where they sit.
SamplePoint speedPoint(std::uint8_t statusByte, std::uint8_t nibbles, std::uint8_t speedLow,
                       std::uint8_t distanceLow, std::size_t index) {
    SamplePoint point;
    point.seconds = static_cast<double>(index) * kGpsSampleSeconds;
    const int distance = twelveBits(nibbles & 0x0F, distanceLow);
    point.rawDistance = point.cumDistance = Numbers::toSingle(Numbers::roundHalfEven(distance * 0.001, 3));
    point.speed = Numbers::toSingle(twelveBits(nibbles >> 4, speedLow) * 0.1);
    point.statusText = QString::number((statusByte & 12) / 4);
    return point;
}

// 2^23 stands for 180 degrees. The text keeps the fifteen significant digits a stored
// position has always had.
QString angleText(const std::uint8_t *bytes) {
    std::int32_t value = bytes[0] << 16 | bytes[1] << 8 | bytes[2];
    if (value & 0x800000)
        value -= 0x1000000;
    return QString::number(value * 180.0 / 8388608.0, 'g', 15);
}

void addGpsFields(SamplePoint &point, const std::uint8_t *record) {
    const auto altitude = static_cast<std::int16_t>(record[6] << 8 | record[7]) - 2000;
    const auto stored = Numbers::toInt16(altitude);
    if (!stored)
        throw std::overflow_error("altitude out of range");
    point.altitude = *stored;
    point.trueHeading = record[8] * 2.0f;
    point.magHeading = record[9] * 2.0f;
    point.latText = angleText(&record[10]);
    point.longText = angleText(&record[13]);
}

double textValue(const QString &text) {
    return text.isEmpty() ? 0 : text.toDouble();
}

void accumulateDistance(SamplePoint &point, const SamplePoint &previous) {
    const float step = point.rawDistance - previous.rawDistance;
    if (step >= 0)
        point.cumDistance = previous.cumDistance + step;
    else if (point.rawDistance <= 0.4 && previous.rawDistance > 3.9)
        // The counter wraps from 4.095 to 0.
        point.cumDistance =
            Numbers::toSingle(point.rawDistance + 4.095 - previous.rawDistance + previous.cumDistance);
    else
        point.cumDistance = previous.cumDistance; // a glitch of the counter
}

// Returns true when the point's position was held back as a jump.
bool holdJump(SamplePoint &point, const SamplePoint &previous) {
    if (point.latText.isEmpty() || point.longText.isEmpty())
        return false;
    const float covered = point.cumDistance - previous.cumDistance;
    bool jumped = false;
    if (covered > 0) {
        const double apart = GpsDistance(textValue(point.latText), textValue(point.longText),
                                         textValue(previous.latText), textValue(previous.longText));
        if (!(3 * covered < apart))
            return false;
        jumped = true;
    }
    point.latText = previous.latText;
    point.longText = previous.longText;
    return jumped;
}

void removeStartOffset(std::vector<SamplePoint> &points, float first) {
    points[0].cumDistance = 0;
    for (std::size_t n = 1; n < points.size(); ++n) {
        const float distance = points[n].cumDistance - first;
        points[n].cumDistance = distance < 0 ? 0 : distance;
    }
}

// The end point's speed extrapolated from its two neighbours inwards.
float extrapolatedSpeed(float near, float far) {
    return far == 0 ? 0 : near * (near / far);
}

void filterSpeedSpikes(std::vector<SamplePoint> &points) {
    const std::ptrdiff_t last = static_cast<std::ptrdiff_t>(points.size()) - 1;
    std::ptrdiff_t limit = last - 2;
    for (std::ptrdiff_t n = 1; n < limit;) {
        const float neighbours = (points[n - 1].speed + points[n + 1].speed) / 2;
        if (3 * neighbours < points[n].speed) {
            points[n].speed = neighbours;
            limit = last - 1;
        } else {
            ++n;
        }
    }
    if (last <= 3)
        return;
    if (3 * (points[2].speed + points[3].speed) / 2 < points[0].speed)
        points[0].speed = extrapolatedSpeed(points[2].speed, points[3].speed);
    if (3 * (points[last - 1].speed + points[last - 2].speed) / 2 < points[last].speed)
        points[last].speed = extrapolatedSpeed(points[last - 2].speed, points[last - 1].speed);
}

} // namespace

int GpsSampleKind(std::uint8_t recordMode) {
    switch (recordMode) {
    case 1:
        return 1;
    case 5:
        return 2;
    default:
        return 0;
    }
}

DecodedTrack DecodeGpsRecords(const DeviceSessionRecord &record) {
    const bool gpsSession = GpsSampleKind(record.Mode) == 2;
    const std::vector<std::uint8_t> &bytes = record.Data;
    DecodedTrack track;
    auto &points = track.points;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::uint8_t kind = bytes[at];
        const std::size_t length = recordLength(kind);
        if (length == 0 || length > bytes.size() - at) {
            track.corrupted = true;
            break;
        }
        const std::uint8_t *r = &bytes[at];
        switch (kind) {
        case kTimeMark:
            if (!points.empty()) {
                SamplePoint copy = points.back();
                copy.hr = 0;
                copy.seconds += kGpsSampleSeconds;
                points.push_back(std::move(copy));
            }
            break;
        case kSpeed:
            points.push_back(speedPoint(r[2], r[2], r[3], r[4], points.size()));
            break;
        case kGps:
            points.push_back(speedPoint(r[2], r[3], r[4], r[5], points.size()));
            if (gpsSession)
                addGpsFields(points.back(), r);
            break;
        }
        at += length;
    }
    return track;
}

void CleanGpsTrack(std::vector<SamplePoint> &points, bool filterSpikes) {
    if (points.empty())
        return;
    const float first = points[0].cumDistance > 0 ? points[0].cumDistance : 0;
    int heldJumps = 0;
    for (std::size_t n = 1; n < points.size(); ++n) {
        accumulateDistance(points[n], points[n - 1]);
        if (heldJumps > 3)
            heldJumps = 0; // after four holds in a row the track is believed again
        else if (holdJump(points[n], points[n - 1]))
            ++heldJumps;
    }
    if (first > 0)
        removeStartOffset(points, first);
    if (filterSpikes)
        filterSpeedSpikes(points);
}

void HoldAltitudeWithoutFix(std::vector<SamplePoint> &points) {
    const auto goodFix = [](const SamplePoint &point) { return point.statusText.toInt() >= 3; };
    std::int16_t altitude = 0;
    for (const SamplePoint &point : points) {
        if (goodFix(point)) {
            altitude = point.altitude;
            break;
        }
    }
    for (SamplePoint &point : points) {
        if (goodFix(point))
            altitude = point.altitude;
        else
            point.altitude = altitude;
    }
}
