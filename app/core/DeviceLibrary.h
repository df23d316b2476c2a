#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The program reaches the recorder only through liblogger.so, loaded by name at the first device
// call and never linked, so the program runs (without a recorder) where the library is missing.
namespace DeviceLibrary {

// The library's exports that the program uses, with their C signatures.
struct Exports {
    int32_t (*ConnectToDevice)();
    int32_t (*GetDeviceData)(uint8_t *buffer1, uint32_t *length1, uint8_t *buffer2, uint32_t *length2);
    int32_t (*GetRawData)(uint8_t *buffer1, uint32_t *length1, uint8_t *buffer2, uint32_t *length2);
    int32_t (*GetEEPROMData)(uint8_t *buffer, uint32_t *length);
    int32_t (*GetRGStatus)();
    int32_t (*SetRGStatus)();
    int32_t (*ClearRGStatus)();
    int32_t (*IsLowBattery)();
    int32_t (*SetCompression)();
    int32_t (*ClearCompression)();
    int32_t (*IsCompressed)();
    int32_t (*GetDeviceVersion)(int32_t selector);
    int32_t (*GetDeviceDataSize)();
    int32_t (*ClearDeviceMemory)();
    int32_t (*SyncDeviceTime)();
    int32_t (*SetDeviceTime)(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                             int32_t second);
    int32_t (*ReadDeviceBondOption)();
    int32_t (*ChangeDeviceBondOption)(int32_t value);
    int32_t (*GetPacketErrorCount)(int32_t *count1, int32_t *count2, int32_t *count3, int32_t *count4,
                                   int32_t *count5, int32_t *count6);
    int32_t (*GetLastDeviceError)();
    int32_t (*TerminateDeviceComm)();
    void (*SuppressInternalBoxes)();
    void (*EnableInternalBoxes)();
    int32_t (*ReleaseDevice)();
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
