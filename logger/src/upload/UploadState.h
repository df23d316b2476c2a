#pragma once

#include "decoder/MemoryImageDecoder.h"
#include "transport/HidTransport.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

namespace logger {

// What one upload has reached; ResetUploadState starts it afresh. The decoded result itself
// lies in the library's result buffers, `primaryLength` and `secondaryLength` bytes of them.
struct UploadState {
    DecoderMode mode = DecoderMode::Decoded;
    // The size the recorder announced: the progress denominator.
    std::uint32_t total = 0;
    // 255 per timer tick so far.
    std::uint32_t progressCounter = 0;
    // Cleared by TerminateDeviceComm: the upload in progress is to end.
    bool allowed = false;
    // More reports are expected: the decoder has not stopped early.
    bool continuing = false;
    // The decoder stopped before the announced size: the kept result holds the whole sessions
    // before the stop and is delivered with code 7.
    bool stoppedEarly = false;
    // A finished upload (or a delivered kept result) makes its counters readable.
    bool countsAvailable = false;
    PacketCounters counters;
    std::size_t primaryLength = 0;
    std::size_t secondaryLength = 0;
    std::unique_ptr<MemoryImageDecoder> decoder;
    // Set with code 6: the kept result waits for larger buffers; only a decoded one is delivered.
    std::optional<DecoderMode> awaitingLargerBuffers;
    // The upload from a recorder holds it on this handle from its first command to its end;
    // no other export finds the recorder meanwhile, and ReleaseDevice leaves it open.
    std::shared_ptr<HidTransport> transport;
};

} // namespace logger
