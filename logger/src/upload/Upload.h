#pragma once

#include <cstdint>

// The upload behind GetDeviceData, GetRawData and GetEEPROMData: the recorder's memory (or the
// offline image) decoded in the mode set beforehand into the library's result buffers, and
// delivered into the caller's.
namespace logger {

// The caller's buffers. Lengths are capacities on entry and bytes used on return; after
// code 6 they hold the sizes needed.
struct UploadTarget {
    std::uint8_t *buffer1;
    std::uint32_t *length1;
    std::uint8_t *buffer2;
    std::uint32_t *length2;
};

void ResetUploadState();
bool UploadDeviceData(const UploadTarget &target);

// After code 6: delivers the result kept by the decoded upload that found the buffers too
// small, when they are large enough now. False when there is no such result to deliver.
bool keptResultAwaitsDelivery();
bool deliverKeptResult(const UploadTarget &target);

} // namespace logger
