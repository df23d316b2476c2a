#pragma once

#include "LibraryState.h"

#include <QDateTime>

#include <array>
#include <cstdint>

namespace logger {

// The six bytes of a clock command, in the order sent: second, minute, hour, day - 1,
// month - 1, year - 2000.
using ClockFields = std::array<std::uint8_t, 6>;

// The computer's local time; years before 2000 are sent as 0 and years after 2099 as 99.
ClockFields clockFieldsFor(const QDateTime &localTime);

// Values a caller asked for, each cut to its low byte and limited from above so that the
// recorder never receives an impossible date.
ClockFields clockFieldsFor(const RequestedDeviceTime &requested);

} // namespace logger
