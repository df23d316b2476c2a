#include "decoder/TimeMark.h"

#include <cstdint>

namespace logger {

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date, and back (H. Hinnant's civil algorithms).
// Plain calendar arithmetic: a time mark knows no time zone, so no daylight-saving shift applies.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

CivilDate civilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2), m, d};
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)));
}

} // namespace

RecordBytes timeMarkAfter(const RecordBytes &reference, int records) {
    // Byte 1: month - 1 and year - 2000; byte 2: minute * 4 + day bits 3-4; byte 3: day bits 0-2 * 32 + hour.
    const unsigned month = (reference[1] >> 4) + 1u;
    const std::int64_t year = 2000 + (reference[1] & 0x0F) + (month - 1) / 12;
    const unsigned minute = reference[2] >> 2;
    const unsigned day = ((reference[2] & 0x03u) << 3) | (reference[3] >> 5);
    const unsigned hour = reference[3] & 0x1Fu;

    // Day 0 and overlong hours or minutes roll over as a calendar normalisation would.
    const std::int64_t minutes = (daysFromCivil(year, (month - 1) % 12 + 1, 1) + day - 1) * 1440 + hour * 60 +
                                 minute + std::int64_t{records / kRecordsPerTimeMark} * 15;
    const std::int64_t days = floorDiv(minutes, 1440);
    const auto minuteOfDay = static_cast<unsigned>(minutes - days * 1440);
    const CivilDate date = civilFromDays(days);

    RecordBytes mark{};
    mark[0] = record::kTimeMark;
    mark[1] = static_cast<std::uint8_t>(((date.month - 1) << 4) | ((date.year - 2000) & 0x0F));
    mark[2] = static_cast<std::uint8_t>(((minuteOfDay % 60) << 2) | ((date.day >> 3) & 0x03));
    mark[3] = static_cast<std::uint8_t>(((date.day & 0x07) << 5) | (minuteOfDay / 60));
    mark[4] = reference[4];
    return mark;
}

} // namespace logger
