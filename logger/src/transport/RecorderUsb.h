#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>

// How the Data Recorder shows itself on USB. The udev rule in packaging/ names the same ids;
// change them together.
namespace logger::usb {

inline constexpr std::uint16_t kVendorId = 0x1209;
inline constexpr std::array<std::uint16_t, 2> kProductIds = {0x5256, 0x5257};

// Every report starts with this id.
inline constexpr std::uint8_t kReportId = 1;
// The recorder describes its reports itself; where it does not, these are taken.
// Output reports: the id and 11 payload bytes, enough for the longest command frame.
inline constexpr std::size_t kOutputReportLength = 12;
// Input reports: the id and 255 data bytes; a read never takes more.
inline constexpr std::size_t kInputReportLength = 256;

inline constexpr std::chrono::milliseconds kReadTimeout{12000};

constexpr bool isRecorder(std::uint16_t vendorId, std::uint16_t productId) {
    return vendorId == kVendorId && (productId == kProductIds[0] || productId == kProductIds[1]);
}

} // namespace logger::usb
