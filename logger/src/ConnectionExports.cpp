#include "logger.h"

#include "LibraryState.h"
#include "platform/SettingsStore.h"
#include "protocol/Protocol.h"
#include "transport/HidDevice.h"
#include "upload/OfflineImage.h"

#include <new>

using namespace logger;

namespace {

// Fresh, zeroed result buffers; those of an earlier connection are reused.
bool prepareResultBuffers() {
    LibraryState &current = state();
    try {
        current.primaryBuffer.assign(kResultBufferSize, 0);
        current.secondaryBuffer.assign(kResultBufferSize, 0);
    } catch (const std::bad_alloc &) {
        current.primaryBuffer = {};
        current.secondaryBuffer = {};
        current.buffersOwned = false;
        return false;
    }
    current.buffersOwned = true;
    return true;
}

} // namespace

extern "C" LOGGER_API int32_t ConnectToDevice(void) {
    LibraryState &current = state();
    if (!prepareResultBuffers()) {
        setLastError(DeviceError::BuffersTooSmall);
        return 0;
    }
    // An image taken away since the last connection no longer stands in for the recorder.
    current.offlineImageInUse = offlineImageExists();
    if (current.offlineImageInUse) {
        current.deviceFound = true;
        current.connected = true;
        setLastError(DeviceError::Success);
        return 1;
    }
    if (!OpenHidDevice()) {
        setLastError(DeviceError::NotConnected);
        return 0;
    }
    SendDeviceCommand(kDataSize, 0);
    InputReport reply;
    if (!ReadReport(reply)) {
        // Found but silent: the caller must not go on to an upload.
        setLastError(DeviceError::ReadFailed);
        return 0;
    }
    if (!current.connected) {
        ParseReply(reply);
        current.connected = true;
        setLastError(DeviceError::Success);
    }
    return 1;
}

extern "C" LOGGER_API int32_t ReleaseDevice(void) {
    LibraryState &current = state();
    CloseHidDevice();
    setLastError(DeviceError::Success);
    if (!current.connected)
        return 0;
    if (current.buffersOwned) {
        // Assigning {} would only clear them and keep their memory.
        std::vector<std::uint8_t>().swap(current.primaryBuffer);
        std::vector<std::uint8_t>().swap(current.secondaryBuffer);
        current.buffersOwned = false;
    }
    current.connected = false;
    return 1;
}

extern "C" LOGGER_API int32_t GetLastDeviceError(void) {
    return static_cast<int32_t>(state().lastError);
}

extern "C" LOGGER_API void SuppressInternalBoxes(void) {
    state().messageBoxesOn = false;
}

extern "C" LOGGER_API void EnableInternalBoxes(void) {
    state().messageBoxesOn = true;
}

extern "C" LOGGER_API int32_t GetLanguageOffset(void) {
    namespace settings = platform::settings;
    const auto stored =
        settings::readEntry(settings::rootFile(settings::kProgramRoot), settings::kProgramKey, "language");
    if (!stored)
        return 0;
    bool isNumber = false;
    const int value = stored->toString().trimmed().toInt(&isNumber);
    const bool known = isNumber && (value == 1000 || value == 2000 || value == 3000 || value == 4000);
    return known ? value : 0;
}
