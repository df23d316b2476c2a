#pragma once

#include "transport/RecorderUsb.h"

#include <array>
#include <cstdint>
#include <span>

// The two primitives on which the whole protocol rests, on the recorder of the last discovery.
namespace logger {

using InputReport = std::array<std::uint8_t, usb::kInputReportLength>;

class HidTransport;

// Discovery: closes the recorder of the previous discovery and opens the first present one.
// Sets and returns "device found". While an upload holds the recorder nothing is found: the
// upload alone speaks to it, on a handle of its own.
bool OpenHidDevice();
void CloseHidDevice();

// Sends the payload behind the report id, cut or padded with zeros to the output report.
// Last error 0, or 4 when nothing was written.
bool WriteReport(std::span<const std::uint8_t> payload);

// Reads one input report into the zero-filled report. Last error 0; 2 when the read failed or
// brought nothing; 11 when nothing came within the time-out.
bool ReadReport(InputReport &report);

// The same on a given handle instead of the last discovery's.
bool WriteReport(HidTransport *transport, std::span<const std::uint8_t> payload);
bool ReadReport(HidTransport *transport, InputReport &report);

} // namespace logger
