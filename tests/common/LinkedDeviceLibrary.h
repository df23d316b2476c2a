#pragma once

#include "core/DeviceLibrary.h"
#include "logger.h"

namespace testing {

// The program's device table pointing at the library's own code, linked into the test.
inline DeviceLibrary::Exports linkedLibrary() {
    return {ConnectToDevice,       GetDeviceData,        GetRawData,
            GetEEPROMData,         GetRGStatus,          SetRGStatus,
            ClearRGStatus,         IsLowBattery,         SetCompression,
            ClearCompression,      IsCompressed,         GetDeviceVersion,
            GetDeviceDataSize,     ClearDeviceMemory,    SyncDeviceTime,
            SetDeviceTime,         ReadDeviceBondOption, ChangeDeviceBondOption,
            GetPacketErrorCount,   GetLastDeviceError,   TerminateDeviceComm,
            SuppressInternalBoxes, EnableInternalBoxes,  ReleaseDevice};
}

} // namespace testing
