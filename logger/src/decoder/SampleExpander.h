#pragma once

#include "decoder/ResultBuffer.h"

#include <cstdint>

namespace logger {

// Turns a session's sample bytes into samples, filling the recorder's gaps: bytes 0 to 4 are
// missing samples, 255 closes the pending gaps with the last value, 5 to 254 are values and the
// gaps before a value are interpolated from the last value (or take the value at a session's start).
class SampleExpander {
public:
    void startSession() {
        pendingGaps_ = 0;
        sampleWritten_ = false;
    }

    // False when the buffer had no room; the buffer then holds what fitted.
    [[nodiscard]] bool ExpandSampleByte(std::uint8_t byte, ResultBuffer &out) {
        if (pendingGaps_ == 0 && byte > kLastGapByte && byte != kCloseGaps) {
            lastValue_ = byte;
            sampleWritten_ = true;
            return out.push(byte);
        }
        return expandAroundGaps(byte, out);
    }

    bool gapsPending() const { return pendingGaps_ != 0; }
    bool sampleWritten() const { return sampleWritten_; }

private:
    static constexpr std::uint8_t kLastGapByte = 4;
    static constexpr std::uint8_t kCloseGaps = 255;

    bool expandAroundGaps(std::uint8_t byte, ResultBuffer &out);

    std::uint32_t pendingGaps_ = 0;
    std::uint8_t lastValue_ = 0;
    bool sampleWritten_ = false;
};

} // namespace logger
