#pragma once

#include "decoder/DecoderTypes.h"

namespace logger {

// The 0xF0 value V of a session's last full-track record read from the stream, and over how many
// records a run of gaps spreads its change.
struct FullTrackReference {
    bool set = false;
    std::uint16_t value = 0;
    int gapSpan = 0;
};

// The record that stands for a gap between the previous record p and the next record q of the same
// kind, `steps` records before q. Fields that move are interpolated, the rest carried from p.
RecordBytes DecodeDeltaRecord(const RecordBytes &p, const RecordBytes &q, RecordType kind, int steps,
                              RecordMode mode, FullTrackReference &reference);

} // namespace logger
