#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace logger {

// Bytes of one output and one input report, the report id byte included; 0 for a direction
// without such a report.
struct ReportLengths {
    std::size_t output = 0;
    std::size_t input = 0;
    bool operator==(const ReportLengths &) const = default;
};

// The lengths of the reports with the given id as a HID report descriptor describes them: the
// Report Size times Report Count bits of every Output (Input) item under that Report ID, in
// whole bytes, plus the id byte. A malformed tail is ignored.
ReportLengths reportLengthsOf(std::span<const std::uint8_t> descriptor, std::uint8_t reportId);

} // namespace logger
