#include "logger.h"

#include "LibraryState.h"
#include "protocol/Protocol.h"
#include "transport/HidDevice.h"
#include "upload/Upload.h"

using namespace logger;

namespace {

int32_t upload(DecoderMode mode, const UploadTarget &target) {
    state().upload.mode = mode;
    return UploadDeviceData(target) ? 1 : 0;
}

// A missing length, or a missing buffer with room claimed in it, gives nowhere to write: the
// caller's buffers are too small.
bool usable(const std::uint8_t *buffer, const std::uint32_t *length) {
    return length && (buffer || *length == 0);
}

int32_t refuseUnusableBuffers() {
    setLastError(DeviceError::BuffersTooSmall);
    return 0;
}

} // namespace

extern "C" LOGGER_API int32_t GetDeviceData(uint8_t *buffer1, uint32_t *length1, uint8_t *buffer2,
                                            uint32_t *length2) {
    if (!usable(buffer1, length1) || !usable(buffer2, length2))
        return refuseUnusableBuffers();
    const UploadTarget target{buffer1, length1, buffer2, length2};
    // The second call of the pair that found the buffers too small: no new upload.
    if (keptResultAwaitsDelivery()) {
        state().upload.mode = DecoderMode::Decoded;
        return deliverKeptResult(target) ? 1 : 0;
    }
    return upload(DecoderMode::Decoded, target);
}

extern "C" LOGGER_API int32_t GetRawData(uint8_t *buffer1, uint32_t *length1, uint8_t *buffer2,
                                         uint32_t *length2) {
    if (!usable(buffer1, length1) || !usable(buffer2, length2))
        return refuseUnusableBuffers();
    return upload(DecoderMode::Raw, {buffer1, length1, buffer2, length2});
}

extern "C" LOGGER_API int32_t GetEEPROMData(uint8_t *buffer, uint32_t *length) {
    if (!usable(buffer, length))
        return refuseUnusableBuffers();
    // The copy fills the first buffer only; the second length is never needed.
    uint32_t unusedLength = *length;
    return upload(DecoderMode::Unparsed, {buffer, length, buffer, &unusedLength});
}

extern "C" LOGGER_API int32_t GetPacketErrorCount(uint32_t *primaryOtherBytes, uint32_t *primaryZeroBytes,
                                                  uint32_t *primaryFourBytes, uint32_t *secondaryRecords,
                                                  uint32_t *secondary12RecordsNotFour,
                                                  uint32_t *secondary12RecordsFour) {
    const UploadState &upload = state().upload;
    if (!upload.countsAvailable) {
        setLastError(DeviceError::NothingToUpload);
        return 0;
    }
    const PacketCounters &counters = upload.counters;
    *primaryOtherBytes = counters.samples;
    *primaryZeroBytes = counters.zeroSamples;
    *primaryFourBytes = counters.fourSamples;
    *secondaryRecords = counters.dataRecords;
    *secondary12RecordsNotFour = counters.gapMarkers;
    *secondary12RecordsFour = counters.fourGapMarkers;
    setLastError(DeviceError::Success);
    return 1;
}

extern "C" LOGGER_API int32_t TerminateDeviceComm(void) {
    UploadState &upload = state().upload;
    upload.allowed = false;
    upload.continuing = false;
    // An upload in progress is stopped on its own handle; otherwise the recorder is found anew.
    HidTransport *recorder = upload.transport.get();
    if (!recorder) {
        if (!OpenHidDevice())
            return 0;
        recorder = state().transport.get();
    }
    SendDeviceCommand(recorder, kTerminateUpload, 0);
    setLastError(DeviceError::ReadFailed);
    return 1;
}
