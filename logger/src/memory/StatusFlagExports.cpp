#include "logger.h"

#include "memory/MemoryAccess.h"

using namespace logger;

namespace {

struct FlagBit {
    std::uint32_t address;
    std::uint8_t mask;
};

constexpr std::uint32_t kLowBatteryAddress = 0xF001;
constexpr std::uint8_t kLowBatteryValue = 0xFF;
constexpr FlagBit kCompression = {0xF002, 0x01};

// The compression switch exists one version either side of the first model range.
bool hasCompression(std::uint32_t version) {
    return version >= 167000 && version <= 167999;
}

FlagBit storageErrorFlagOf(std::uint32_t version) {
    return isFirstModelRange(version) ? FlagBit{0xF000, 0x80} : FlagBit{0xF0B1, 0x40};
}

std::uint32_t modelVersion() {
    return std::uint32_t(GetDeviceVersion(2));
}

// The byte at the address, or 0 when it cannot be read.
std::uint8_t configurationByte(std::uint32_t address, std::uint32_t version) {
    std::uint8_t value = 0;
    if (readDeviceMemory(MemoryArea::Configuration, address, std::span(&value, 1), version) !=
        DeviceError::Success)
        return 0;
    return value;
}

// Reads the byte, sets or clears the bit and writes it back; a failed read writes nothing.
int32_t changeFlag(FlagBit flag, bool on, std::uint32_t version) {
    std::uint8_t value = 0;
    const DeviceError read =
        readDeviceMemory(MemoryArea::Configuration, flag.address, std::span(&value, 1), version);
    if (read != DeviceError::Success)
        return int32_t(read);
    value = on ? std::uint8_t(value | flag.mask) : std::uint8_t(value & ~flag.mask);
    return int32_t(writeDeviceMemory(MemoryArea::Configuration, flag.address, std::span(&value, 1), version));
}

int32_t changeStorageError(bool on) {
    const std::uint32_t version = modelVersion();
    return changeFlag(storageErrorFlagOf(version), on, version);
}

int32_t changeCompression(bool on) {
    const std::uint32_t version = modelVersion();
    return hasCompression(version) ? changeFlag(kCompression, on, version) : 0;
}

} // namespace

extern "C" LOGGER_API int32_t GetRGStatus(void) {
    const std::uint32_t version = modelVersion();
    const FlagBit flag = storageErrorFlagOf(version);
    return (configurationByte(flag.address, version) & flag.mask) != 0 ? 1 : 0;
}

extern "C" LOGGER_API int32_t SetRGStatus(void) {
    return changeStorageError(true);
}

extern "C" LOGGER_API int32_t ClearRGStatus(void) {
    return changeStorageError(false);
}

extern "C" LOGGER_API int32_t IsLowBattery(void) {
    const std::uint32_t version = modelVersion();
    if (!isFirstModelRange(version))
        return 0;
    return configurationByte(kLowBatteryAddress, version) == kLowBatteryValue ? 1 : 0;
}

extern "C" LOGGER_API int32_t SetCompression(void) {
    return changeCompression(true);
}

extern "C" LOGGER_API int32_t ClearCompression(void) {
    return changeCompression(false);
}

extern "C" LOGGER_API int32_t IsCompressed(void) {
    const std::uint32_t version = modelVersion();
    if (!hasCompression(version))
        return 0;
    return configurationByte(kCompression.address, version) != 0 ? 1 : 0;
}
