#include "decoder/DateDigits.h"

namespace logger {

DateDigits dateDigits(const std::array<std::uint8_t, 6> &recorderBytes) {
    const std::uint8_t second = recorderBytes[0];
    const std::uint8_t minute = recorderBytes[1];
    const std::uint8_t hour = recorderBytes[2];
    const auto day = static_cast<std::uint8_t>(recorderBytes[3] + 1);
    const auto month = static_cast<std::uint8_t>(recorderBytes[4] + 1);
    const std::uint8_t year = recorderBytes[5];
    // Out-of-range bytes keep their value as tens * 10 + units rather than being clipped.
    return {2,
            static_cast<std::uint8_t>(year / 100),
            static_cast<std::uint8_t>(year / 10 % 10),
            static_cast<std::uint8_t>(year % 10),
            static_cast<std::uint8_t>(month / 10),
            static_cast<std::uint8_t>(month % 10),
            static_cast<std::uint8_t>(day / 10),
            static_cast<std::uint8_t>(day % 10),
            static_cast<std::uint8_t>(hour / 10),
            static_cast<std::uint8_t>(hour % 10),
            static_cast<std::uint8_t>(minute / 10),
            static_cast<std::uint8_t>(minute % 10),
            static_cast<std::uint8_t>(second / 10),
            static_cast<std::uint8_t>(second % 10)};
}

} // namespace logger
