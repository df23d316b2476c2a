#include "memory/MemoryAccess.h"

#include "LibraryState.h"
#include "logger.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <optional>
#include <thread>

namespace logger {
namespace {

constexpr std::uint8_t kConfigurationReadKind = 0x20;
constexpr std::uint8_t kConfigurationWriteKind = 0x30;
constexpr std::uint8_t kMemoryWriteKind = 0x10;
constexpr std::uint8_t kConfigurationDataKind = 0x50;
constexpr std::uint8_t kMemoryDataKind = 0x40;
// Main-memory addresses and counts travel as 20-bit numbers.
constexpr std::uint64_t kMainMemoryEnd = 0x100000;
// The recorder needs a moment after sending memory before it takes the next command.
constexpr std::chrono::milliseconds kAfterMemoryRead{10};

std::uint8_t byteOf(std::uint32_t value, int shift) {
    return std::uint8_t(value >> shift);
}

Frame memoryFrame(std::uint8_t flag, std::span<const std::uint8_t> data) {
    return commandFrame(flag, kMemoryAccess, data);
}

Frame memoryCommand(std::uint8_t kind, std::uint32_t address, std::uint32_t count) {
    const std::array<std::uint8_t, 6> data = {std::uint8_t(kind + ((address >> 16) & 0x0F)),
                                              byteOf(address, 8),
                                              byteOf(address, 0),
                                              byteOf(count, 0),
                                              byteOf(count, 8),
                                              std::uint8_t(((count >> 16) & 0x0F) << 4)};
    return memoryFrame(0x40, data);
}

bool fitsMainMemory(std::uint32_t address, std::uint64_t count) {
    return address + count <= kMainMemoryEnd;
}

// The configuration window of the recorder's firmware, asking for the version when not known.
ConfigurationWindow windowFor(std::optional<std::uint32_t> version) {
    return configurationWindowOf(version ? *version : std::uint32_t(GetDeviceVersion(2)));
}

bool awaitAcknowledgement() {
    InputReport acknowledgement;
    if (ReadReport(acknowledgement))
        return true;
    setLastError(DeviceError::ReadFailed);
    return false;
}

DeviceError readConfiguration(std::uint32_t address, std::span<std::uint8_t> output) {
    // Every chunk is tried; one lost chunk fails the whole read.
    bool anyChunkFailed = false;
    for (std::size_t offset = 0; offset < output.size(); offset += kConfigurationChunk) {
        const auto n = std::uint32_t(std::min<std::size_t>(kConfigurationChunk, output.size() - offset));
        if (!WriteReport(configurationReadFrame(address + std::uint32_t(offset), n)))
            return DeviceError::ReadFailed;
        InputReport reply;
        if (ReadReport(reply)) {
            std::copy_n(reply.begin() + 3, n, output.begin() + std::ptrdiff_t(offset));
        } else {
            anyChunkFailed = true;
        }
    }
    setLastError(anyChunkFailed ? DeviceError::ReadFailed : DeviceError::Success);
    return state().lastError;
}

DeviceError readMainMemory(std::uint32_t address, std::span<std::uint8_t> output) {
    const auto count = std::uint32_t(output.size());
    if (!WriteReport(memoryReadFrame(address, count)))
        return DeviceError::ReadFailed;
    if (!awaitAcknowledgement())
        return DeviceError::ReadFailed;
    if (count > 0) {
        InputReport data;
        if (!ReadReport(data))
            return DeviceError::ReadFailed;
        std::copy_n(data.begin() + 1, count, output.begin());
        std::this_thread::sleep_for(kAfterMemoryRead);
    }
    setLastError(DeviceError::Success);
    return DeviceError::Success;
}

} // namespace

bool isFirstModelRange(std::uint32_t version) {
    return version >= 167001 && version <= 167998;
}

ConfigurationWindow configurationWindowOf(std::uint32_t version) {
    return isFirstModelRange(version) ? ConfigurationWindow{0xF000, 0xF057}
                                      : ConfigurationWindow{0xF063, 0xF0B8};
}

Frame configurationReadFrame(std::uint32_t address, std::uint32_t count) {
    const std::array<std::uint8_t, 4> data = {kConfigurationReadKind, byteOf(address, 8), byteOf(address, 0),
                                              std::uint8_t(count)};
    return memoryFrame(std::uint8_t(0xC0 + count), data);
}

Frame configurationWriteHeader(std::uint32_t address, std::uint32_t count) {
    const std::array<std::uint8_t, 4> data = {kConfigurationWriteKind, byteOf(address, 8), byteOf(address, 0),
                                              std::uint8_t(count)};
    return memoryFrame(0x40, data);
}

Frame memoryReadFrame(std::uint32_t address, std::uint32_t count) {
    return memoryCommand(0x00, address, count);
}

Frame memoryWriteHeader(std::uint32_t address, std::uint32_t count) {
    return memoryCommand(kMemoryWriteKind, address, count);
}

Frame dataPacketFrame(MemoryArea area, std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> data{area == MemoryArea::Configuration ? kConfigurationDataKind
                                                                     : kMemoryDataKind};
    data.insert(data.end(), bytes.begin(), bytes.end());
    return memoryFrame(0x40, data);
}

namespace {

// With the offline image in use memory access does nothing and succeeds; otherwise it needs the
// recorder. Gives the result to return at once, or nothing when the access can go ahead.
std::optional<DeviceError> refuseWithoutRecorder() {
    if (state().offlineImageInUse) {
        setLastError(DeviceError::Success);
        return DeviceError::Success;
    }
    if (!OpenHidDevice()) {
        setLastError(DeviceError::NotConnected);
        return DeviceError::NotConnected;
    }
    return std::nullopt;
}

} // namespace

DeviceError readDeviceMemory(MemoryArea area, std::uint32_t address, std::span<std::uint8_t> output,
                             std::optional<std::uint32_t> version) {
    if (const auto refused = refuseWithoutRecorder())
        return *refused;
    if (area == MemoryArea::Configuration) {
        if (!windowFor(version).holds(address, std::uint32_t(output.size())))
            return DeviceError::BuffersTooSmall;
        return readConfiguration(address, output);
    }
    // The recorder answers a read with one report; more would have to come from beyond it.
    if (output.size() > kMostMemoryReadBytes || !fitsMainMemory(address, output.size()))
        return DeviceError::BuffersTooSmall;
    return readMainMemory(address, output);
}

DeviceError writeDeviceMemory(MemoryArea area, std::uint32_t address, std::span<const std::uint8_t> input,
                              std::optional<std::uint32_t> version) {
    if (const auto refused = refuseWithoutRecorder())
        return *refused;
    const auto count = std::uint32_t(input.size());
    Frame header;
    if (area == MemoryArea::Configuration) {
        if (!windowFor(version).holds(address, count))
            return DeviceError::BuffersTooSmall;
        header = configurationWriteHeader(address, count);
    } else {
        if (!fitsMainMemory(address, input.size()))
            return DeviceError::BuffersTooSmall;
        header = memoryWriteHeader(address, count);
    }
    if (!WriteReport(header) || !awaitAcknowledgement())
        return DeviceError::ReadFailed;
    for (std::size_t offset = 0; offset < input.size(); offset += kDataPacketBytes) {
        const std::size_t k = std::min<std::size_t>(kDataPacketBytes, input.size() - offset);
        if (!WriteReport(dataPacketFrame(area, input.subspan(offset, k))) || !awaitAcknowledgement())
            return DeviceError::ReadFailed;
    }
    setLastError(DeviceError::Success);
    return DeviceError::Success;
}

} // namespace logger
