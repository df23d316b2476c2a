#include "transfer/RecorderMemory.h"

#include "core/DeviceErrorMessages.h"
#include "core/DeviceLibrary.h"

namespace modTransfer {
namespace {

// These boxes name the recorder, whatever the interface language.
constexpr const char *kClearFailureTitle = "Velko Data Recorder";

void reportClearFailure(std::int32_t code) {
    if (const auto failure = ClearFailureMessage(code))
        platform::dialogs::message(failure->text, kClearFailureTitle, failure->icon);
}

// Not found as the library reports it: without the library there is no recorder to reach.
constexpr std::int32_t kNotConnected = 5;

} // namespace

bool ClearRecorderMemory() {
    const DeviceLibrary::Exports *device = DeviceLibrary::exports();
    if (!device) {
        reportClearFailure(kNotConnected);
        return false;
    }
    if ((device->ClearDeviceMemory() & 0xFFFF) != 0)
        return true;
    reportClearFailure(device->GetLastDeviceError());
    return false;
}

} // namespace modTransfer
