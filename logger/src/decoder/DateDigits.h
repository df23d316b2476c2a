#pragma once

#include <array>
#include <cstdint>

namespace logger {

// A date-time as the result buffers carry it: 14 digit values (not characters), year (4), month,
// day, hour, minute, second (2 each).
using DateDigits = std::array<std::uint8_t, 14>;

// From the recorder's six bytes: second, minute, hour, day - 1, month - 1, year - 2000.
DateDigits dateDigits(const std::array<std::uint8_t, 6> &recorderBytes);

} // namespace logger
