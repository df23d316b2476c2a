#pragma once

#include <array>
#include <cstdint>
#include <vector>

// One session entry cut from a device result buffer, its bytes kept as they stand.
struct DeviceSessionRecord {
    std::uint8_t Mode = 0;
    std::array<std::uint8_t, 4> LengthBytes{};
    std::array<std::uint8_t, 8> StartDateDigits{};
    std::array<std::uint8_t, 6> StartTimeDigits{};
    std::vector<std::uint8_t> Data;
    std::array<std::uint8_t, 8> EndDateDigits{};
    std::array<std::uint8_t, 6> EndTimeDigits{};
};
