#pragma once

#include "logger.h"

#include <QString>

#include <cstdint>
#include <optional>

// The program reaches the recorder only through liblogger.so, loaded by name at the first device
// call and never linked, so the program runs (without a recorder) where the library is missing.
namespace DeviceLibrary {

// The library's exports that the program uses, typed by the library's own header.
struct Exports {
    decltype(&::ConnectToDevice) ConnectToDevice;
    decltype(&::GetDeviceData) GetDeviceData;
    decltype(&::GetRawData) GetRawData;
    decltype(&::GetEEPROMData) GetEEPROMData;
    decltype(&::GetRGStatus) GetRGStatus;
    decltype(&::SetRGStatus) SetRGStatus;
    decltype(&::ClearRGStatus) ClearRGStatus;
    decltype(&::IsLowBattery) IsLowBattery;
    decltype(&::SetCompression) SetCompression;
    decltype(&::ClearCompression) ClearCompression;
    decltype(&::IsCompressed) IsCompressed;
    decltype(&::GetDeviceVersion) GetDeviceVersion;
    decltype(&::GetDeviceDataSize) GetDeviceDataSize;
    decltype(&::ClearDeviceMemory) ClearDeviceMemory;
    decltype(&::SyncDeviceTime) SyncDeviceTime;
    decltype(&::SetDeviceTime) SetDeviceTime;
    decltype(&::ReadDeviceBondOption) ReadDeviceBondOption;
    decltype(&::ChangeDeviceBondOption) ChangeDeviceBondOption;
    decltype(&::GetPacketErrorCount) GetPacketErrorCount;
    decltype(&::GetLastDeviceError) GetLastDeviceError;
    decltype(&::TerminateDeviceComm) TerminateDeviceComm;
    decltype(&::SuppressInternalBoxes) SuppressInternalBoxes;
    decltype(&::EnableInternalBoxes) EnableInternalBoxes;
    decltype(&::ReleaseDevice) ReleaseDevice;
};

// The library's exports, loaded at the first call: beside the program first, then by the
// system's search. Nothing when the library cannot be loaded or lacks one of the exports.
const Exports *exports();

// Resolves every export of the library file at `path`; nothing when one is missing.
std::optional<Exports> load(const QString &path);

// The library file beside the program, whose version the program reports.
QString filePath();

// The version carried by the library file's real name (liblogger.so.1.0.0 gives "1.0.0"), or
// "N/A" when the file is missing or carries none.
QString fileVersion();

// Tests stand in for the library: `table` for its exports (nullptr: no library can be loaded)
// and `file` for the library file beside the program. restoreForTesting() goes back.
void installForTesting(const Exports *table, const QString &file);
void restoreForTesting();

} // namespace DeviceLibrary
