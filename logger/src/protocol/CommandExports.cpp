#include "logger.h"

#include "InformationDialogs.h"
#include "LibraryState.h"
#include "Messages.h"
#include "protocol/Protocol.h"

using namespace logger;

namespace {

enum Message { kVersionFailed = 5, kDataSizeFailed = 6, kMemoryNotCleared = 8, kClockFailed = 9 };

int32_t answered(std::uint32_t value) {
    return value != 0 ? 1 : 0;
}

bool setClock(std::int32_t argument) {
    if (QueryDevice(kSetClock, argument) != 0)
        return true;
    showMessage(kClockFailed);
    return false;
}

} // namespace

extern "C" LOGGER_API int32_t GetDeviceVersion(int32_t selector) {
    const std::uint32_t version = QueryDevice(kVersion, selector);
    if (version == 0)
        showMessage(kVersionFailed);
    return int32_t(version);
}

extern "C" LOGGER_API int32_t GetDeviceDataSize(void) {
    const std::uint32_t size = QueryDevice(kDataSize, 0);
    if (size == 0 && state().lastError != DeviceError::Success)
        showMessage(kDataSizeFailed);
    return int32_t(size);
}

extern "C" LOGGER_API int32_t ClearDeviceMemory(void) {
    if (QueryDevice(kClearMemory, 0) == 0) {
        showMessage(kMemoryNotCleared);
        return 0;
    }
    showInformationDialogIfDue(InformationDialog::MemoryCleared);
    return 1;
}

extern "C" LOGGER_API int32_t SyncDeviceTime(void) {
    if (!setClock(0))
        return 0;
    showInformationDialogIfDue(InformationDialog::ClockSynchronised);
    return 1;
}

extern "C" LOGGER_API int32_t SetDeviceTime(int32_t year, int32_t month, int32_t day, int32_t hour,
                                            int32_t minute, int32_t second) {
    state().requestedTime = {year, month, day, hour, minute, second};
    return setClock(1) ? 1 : 0;
}

extern "C" LOGGER_API int32_t TestDeviceROM(int32_t selector) {
    return answered(QueryDevice(kRomTest, selector));
}

extern "C" LOGGER_API int32_t TestDeviceRAM(int32_t selector) {
    return answered(QueryDevice(kRamTest, selector));
}

extern "C" LOGGER_API int32_t TestDeviceEEPROM(void) {
    const std::uint32_t value = QueryDevice(kEepromTest, 0);
    // The stop command ends the test; its answer is not needed, and the test's own outcome
    // stays the reported one.
    const DeviceError testError = state().lastError;
    if (state().deviceFound)
        SendDeviceCommand(kStop, 0);
    setLastError(testError);
    return answered(value);
}

extern "C" LOGGER_API int32_t ReadDeviceBondOption(void) {
    return int32_t(QueryDevice(kReadBondOption, 0));
}

extern "C" LOGGER_API int32_t ChangeDeviceBondOption(int32_t value) {
    return answered(QueryDevice(kChangeBondOption, value));
}

extern "C" LOGGER_API int32_t ResetDeviceBondOption(void) {
    return answered(QueryDevice(kResetBondOption, 0));
}
