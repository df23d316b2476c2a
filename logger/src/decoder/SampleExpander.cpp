#include "decoder/SampleExpander.h"

namespace logger {

bool SampleExpander::expandAroundGaps(std::uint8_t byte, ResultBuffer &out) {
    if (byte <= kLastGapByte) {
        ++pendingGaps_;
        return true;
    }
    if (byte == kCloseGaps) {
        for (; pendingGaps_ != 0; --pendingGaps_)
            if (!out.push(lastValue_))
                return false;
        return true;
    }
    if (pendingGaps_ != 0) {
        if (!sampleWritten_) {
            for (std::uint32_t k = 0; k < pendingGaps_; ++k)
                if (!out.push(byte))
                    return false;
        } else {
            // Single precision, as the recorder's own software computes it, so stored sessions match.
            const float step = static_cast<float>(byte - lastValue_) / static_cast<float>(pendingGaps_ + 1);
            for (std::uint32_t k = 1; k <= pendingGaps_; ++k) {
                const float value = static_cast<float>(lastValue_) + static_cast<float>(k) * step;
                if (!out.push(static_cast<std::uint8_t>(static_cast<int>(value))))
                    return false;
            }
        }
        pendingGaps_ = 0;
    }
    if (!out.push(byte))
        return false;
    lastValue_ = byte;
    sampleWritten_ = true;
    return true;
}

} // namespace logger
