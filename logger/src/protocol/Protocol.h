#pragma once

#include "protocol/DeviceClock.h"
#include "transport/HidDevice.h"

#include <cstdint>
#include <span>
#include <vector>

// The recorder's command protocol: one short frame in an output report, one input report back.
namespace logger {

// Commands by number.
enum Command : int {
    kDataSize = 0,
    kClearMemory = 1,
    kUploadSize = 2,
    kStop = 3,
    kSetClock = 4,
    kUploadFinished = 5,
    kTerminateUpload = 6,
    kVersion = 7,
    kEepromTest = 8,
    kRomTest = 9,
    kRamTest = 10,
    kReadBondOption = 11,
    kChangeBondOption = 12,
    kResetBondOption = 13,
    kMemoryBound = 14,
    kMemoryAccess = 15,
};

// Flag byte, command byte (command * 16 + bytes that follow it), data, checksum.
using Frame = std::vector<std::uint8_t>;

// The byte that brings the sum of the bytes to 0 modulo 256.
std::uint8_t checksumOf(std::span<const std::uint8_t> bytes);

Frame commandFrame(std::uint8_t flag, int command, std::span<const std::uint8_t> data);

// The frame of a command without data, or of command 12 with its option value.
Frame queryFrame(int command, std::int32_t argument);
Frame clockFrame(const ClockFields &fields);

// Replies carry 0xFE here; the kind byte after it says how to read the value.
inline constexpr std::uint8_t kReplyMark = 0xFE;

// Sizes up to this many bytes are the recorder's empty session directory, so nothing to upload.
inline constexpr std::uint32_t kDirectorySize = 384;

// The value of a reply; 0 for a foreign report, and for a malformed one with last error 3.
std::uint32_t ParseReply(const InputReport &reply);

// Writes the command's frame. For the clock command an argument of 0 sends the computer's time,
// any other the time last given to SetDeviceTime.
bool SendDeviceCommand(int command, std::int32_t argument);
// The same on a given handle instead of the last discovery's.
bool SendDeviceCommand(HidTransport *transport, int command, std::int32_t argument);

// Discovery, the command and its reply: the reply's value, or 0 with last error 1 when the
// recorder is missing or silent.
std::uint32_t QueryDevice(int command, std::int32_t argument);

} // namespace logger
