#include "protocol/DeviceClock.h"

#include <algorithm>

namespace logger {
namespace {

std::uint8_t lastDayOf(std::uint8_t month, std::uint8_t year) {
    switch (month) {
    case 2:
        return year % 4 == 0 ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

std::uint8_t zeroAbove(std::uint8_t value, std::uint8_t highest) {
    return value > highest ? 0 : value;
}

} // namespace

ClockFields clockFieldsFor(const QDateTime &localTime) {
    const QDate date = localTime.date();
    const QTime time = localTime.time();
    const int year = date.year() >= 2000 ? std::min(date.year() % 2000, 99) : 0;
    return {std::uint8_t(time.second()),  std::uint8_t(time.minute()),    std::uint8_t(time.hour()),
            std::uint8_t(date.day() - 1), std::uint8_t(date.month() - 1), std::uint8_t(year)};
}

ClockFields clockFieldsFor(const RequestedDeviceTime &requested) {
    const auto year = std::min<std::uint8_t>(std::uint8_t(requested.year), 99);
    const auto month = std::min<std::uint8_t>(std::uint8_t(requested.month), 12);
    auto day = std::uint8_t(requested.day);
    if (month != 0)
        day = std::min(day, lastDayOf(month, year));
    // Values are only limited from above: a month or day of 0 wraps round as the recorder
    // has always received it.
    return {zeroAbove(std::uint8_t(requested.second), 59),
            zeroAbove(std::uint8_t(requested.minute), 59),
            zeroAbove(std::uint8_t(requested.hour), 23),
            std::uint8_t(day - 1),
            std::uint8_t(month - 1),
            year};
}

} // namespace logger
