#pragma once

#include "DeviceError.h"
#include "transport/HidTransport.h"
#include "upload/UploadState.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace logger {

// Each result buffer of a connection holds this many bytes.
inline constexpr std::size_t kResultBufferSize = 0xC0000;

// Armed by setting the clock to one particular moment; see InformationDialogs.h.
struct InformationDialogTrigger {
    bool armed = false;
    std::int32_t counter = 0;
};

// The values last given to SetDeviceTime, as given.
struct RequestedDeviceTime {
    std::int32_t year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// The one set of state that every export shares: one recorder, one caller thread.
struct LibraryState {
    std::int32_t languageOffset = 0;
    bool messageBoxesOn = true;
    DeviceError lastError = DeviceError::Success;
    bool connected = false;
    bool deviceFound = false;
    // The two result buffers of the upload, allocated by ConnectToDevice (smaller ones by an
    // upload of the offline image); the last upload's result lies at their start.
    std::vector<std::uint8_t> primaryBuffer;
    std::vector<std::uint8_t> secondaryBuffer;
    bool buffersOwned = false;
    // The memory image file stands in for the recorder.
    bool offlineImageInUse = false;
    UploadState upload;
    InformationDialogTrigger informationDialog;
    RequestedDeviceTime requestedTime;
    // The recorder opened by the last discovery, if any.
    std::shared_ptr<HidTransport> transport;
};

LibraryState &state();

// What loading the library does: fresh state, boxes on, the language offset of the settings.
// The first use of state() does it.
void loadLibraryState();

void setLastError(DeviceError error);

} // namespace logger
