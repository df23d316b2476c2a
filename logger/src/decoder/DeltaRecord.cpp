#include "decoder/DeltaRecord.h"

namespace logger {

namespace {

constexpr int kYRange = 4096;

// Y counts upward and wraps. A decrease larger than the track can plausibly move over `steps`
// records is taken as a wrap and interpolated upward; a smaller one as standing still.
bool decreaseIsWrap(int decrease, int steps) {
    if (steps == 1)
        return decrease > 406;
    if (steps == 2 || steps == 3)
        return decrease > 1024;
    if (steps >= 4 && steps <= 30)
        return decrease > 2048;
    return true;
}

struct TrackFields {
    int x;
    int y;
};

TrackFields readTrack(const RecordBytes &r, std::size_t at) {
    return {((r[at] >> 4) << 8) | r[at + 1], ((r[at] & 0x0F) << 8) | r[at + 2]};
}

void writeTrack(RecordBytes &r, std::size_t at, TrackFields f) {
    r[at] = static_cast<std::uint8_t>(((f.x >> 8) << 4) | ((f.y >> 8) & 0x0F));
    r[at + 1] = static_cast<std::uint8_t>(f.x);
    r[at + 2] = static_cast<std::uint8_t>(f.y);
}

// X and Y at `fieldsAt`, the status byte at `statusAt`.
void interpolateTrack(RecordBytes &r, const RecordBytes &p, const RecordBytes &q, std::size_t statusAt,
                      std::size_t fieldsAt, int steps) {
    const int divisor = steps + 1;
    const TrackFields from = readTrack(p, fieldsAt);
    const TrackFields to = readTrack(q, fieldsAt);
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    if (dy >= 0 || decreaseIsWrap(-dy, steps)) {
        const int upward = dy < 0 ? dy + kYRange : dy;
        writeTrack(r, fieldsAt, {from.x + dx / divisor, (from.y + upward / divisor) % kYRange});
    }
    r[statusAt] = q[statusAt];
}

void interpolateByte(RecordBytes &r, const RecordBytes &p, const RecordBytes &q, std::size_t at, int steps) {
    const float change = static_cast<float>(q[at] - p[at]) / static_cast<float>(steps + 1);
    r[at] = static_cast<std::uint8_t>(p[at] + static_cast<int>(change));
}

std::uint16_t readValue(const RecordBytes &r) {
    return static_cast<std::uint16_t>((r[6] << 8) | r[7]);
}

void interpolateFullTrackValue(RecordBytes &r, const RecordBytes &p, const RecordBytes &q,
                               FullTrackReference &reference) {
    const int next = readValue(q);
    int value = next;
    if (!reference.set) {
        reference.set = true;
        reference.value = static_cast<std::uint16_t>(next);
    } else if (next > reference.value) {
        value = readValue(p) + (next - reference.value) / (reference.gapSpan + 1);
    } else if (next < reference.value) {
        value = readValue(p) - (reference.value - next) / (reference.gapSpan + 1);
    }
    r[6] = static_cast<std::uint8_t>(value >> 8);
    r[7] = static_cast<std::uint8_t>(value);
}

// M counts minutes 0 to 59 in the high six bits of byte 16 and wraps at 60.
void interpolateFullTrackMinutes(RecordBytes &r, const RecordBytes &p, const RecordBytes &q, int steps) {
    const int from = p[16] >> 2;
    int change = (q[16] >> 2) - from;
    if (change < 0)
        change += 60;
    float minutes = static_cast<float>(from) + static_cast<float>(change) / static_cast<float>(steps + 1);
    if (minutes > 59.0f)
        minutes -= 60.0f;
    r[16] = static_cast<std::uint8_t>(static_cast<int>(minutes * 4.0f) + (p[16] & 0x03));
    r[1] = 0x10;
}

int stepsOfKind(int steps, RecordType kind, RecordMode mode) {
    // In the modes with side records the two kinds alternate, so only part of the distance counts.
    if (mode == RecordMode::ShortTrackWithSide)
        return steps / 2;
    if (mode == RecordMode::LongTrackWithSide)
        return kind == RecordType::LongSide ? steps / 9 : steps - steps / 9;
    return steps;
}

} // namespace

RecordBytes DecodeDeltaRecord(const RecordBytes &p, const RecordBytes &q, RecordType kind, int steps,
                              RecordMode mode, FullTrackReference &reference) {
    const int s = stepsOfKind(steps, kind, mode);
    RecordBytes r = p;
    switch (kind) {
    case RecordType::ShortTrack:
        interpolateTrack(r, p, q, 1, 2, s);
        break;
    case RecordType::ShortSide:
        interpolateByte(r, p, q, 1, s);
        interpolateByte(r, p, q, 2, s);
        break;
    case RecordType::LongTrack:
        interpolateTrack(r, p, q, 1, 2, s);
        interpolateByte(r, p, q, 5, s);
        interpolateByte(r, p, q, 6, s);
        break;
    case RecordType::FullTrack:
        interpolateTrack(r, p, q, 2, 3, s);
        interpolateFullTrackValue(r, p, q, reference);
        interpolateFullTrackMinutes(r, p, q, s);
        break;
    case RecordType::LongSide:
    case RecordType::TimeMark:
    case RecordType::Gap:
        break;
    }
    return r;
}

} // namespace logger
