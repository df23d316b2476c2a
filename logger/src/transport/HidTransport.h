#pragma once

#include "transport/RecorderUsb.h"
#include "transport/ReportDescriptor.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

namespace logger {

// One way of reaching the recorder: the USB HID stack for real recorders, a simulation in tests.
class HidTransport {
public:
    enum class ReadStatus { Received, Failed, TimedOut };
    struct ReadOutcome {
        ReadStatus status;
        std::size_t length; // bytes received, report id included
    };

    virtual ~HidTransport() = default;

    // Opens the first present recorder (usb::isRecorder) in enumeration order; false when none.
    virtual bool open() = 0;
    virtual void close() = 0;
    // Writes one output report, report id in byte 0; false when nothing was written.
    virtual bool writeReport(std::span<const std::uint8_t> report) = 0;
    virtual ReadOutcome readReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) = 0;
    // The lengths of the open recorder's reports, report id included.
    virtual ReportLengths reportLengths() const {
        return {usb::kOutputReportLength, usb::kInputReportLength};
    }
};

} // namespace logger
