#pragma once

#include <cstdint>

namespace logger {

// The last-error code that every export leaves behind; callers map the numbers to their own
// messages, so the values never change.
enum class DeviceError : std::int32_t {
    Success = 0,
    NoReply = 1,
    ReadFailed = 2,
    BadReply = 3,
    WriteFailed = 4,
    NotConnected = 5,
    BuffersTooSmall = 6,
    UploadError = 7,
    UploadCancelled = 8,
    NothingToUpload = 9,
    NoValidData = 10,
    ReadTimedOut = 11,
};

} // namespace logger
