#pragma once

#include "DeviceError.h"
#include "protocol/Protocol.h"

#include <cstdint>
#include <optional>
#include <span>

// Reading and writing the recorder's memory and its configuration area (command 15).
namespace logger {

enum class MemoryArea { Main, Configuration };

// The part of the configuration area that a firmware lets the library reach: [first, end).
struct ConfigurationWindow {
    std::uint32_t first;
    std::uint32_t end;
    bool holds(std::uint32_t address, std::uint32_t count) const {
        return address >= first && std::uint64_t(address) + count <= end;
    }
};

// Firmware of the first model range keeps all three status flags in the configuration area.
bool isFirstModelRange(std::uint32_t version);
ConfigurationWindow configurationWindowOf(std::uint32_t version);

// Configuration reads go in chunks of at most this many bytes, writes in packets of at most
// this many.
inline constexpr std::uint32_t kConfigurationChunk = 4;
inline constexpr std::uint32_t kDataPacketBytes = 5;
// A main-memory read comes back in one input report.
inline constexpr std::uint32_t kMostMemoryReadBytes = 255;

Frame configurationReadFrame(std::uint32_t address, std::uint32_t count);
Frame configurationWriteHeader(std::uint32_t address, std::uint32_t count);
Frame memoryReadFrame(std::uint32_t address, std::uint32_t count);
Frame memoryWriteHeader(std::uint32_t address, std::uint32_t count);
Frame dataPacketFrame(MemoryArea area, std::span<const std::uint8_t> bytes);

// Both give 0 (success), 2 (communication failed), 5 (no recorder) or 6 (outside the reachable
// range). The firmware version decides the configuration window; without one it is asked for.
DeviceError readDeviceMemory(MemoryArea area, std::uint32_t address, std::span<std::uint8_t> output,
                             std::optional<std::uint32_t> version = std::nullopt);
DeviceError writeDeviceMemory(MemoryArea area, std::uint32_t address, std::span<const std::uint8_t> input,
                              std::optional<std::uint32_t> version = std::nullopt);

} // namespace logger
