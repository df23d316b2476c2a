#include "transport/HidDevice.h"

#include "LibraryState.h"
#include "transport/TransportFactory.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace logger {

void CloseHidDevice() {
    if (state().transport)
        state().transport->close();
    state().transport.reset();
}

bool OpenHidDevice() {
    if (state().upload.transport)
        return false;
    CloseHidDevice();
    auto transport = makeTransport();
    const bool found = transport && transport->open();
    if (found)
        state().transport = std::move(transport);
    state().deviceFound = found;
    return found;
}

bool WriteReport(std::span<const std::uint8_t> payload) {
    return WriteReport(state().transport.get(), payload);
}

bool ReadReport(InputReport &report) {
    return ReadReport(state().transport.get(), report);
}

bool WriteReport(HidTransport *transport, std::span<const std::uint8_t> payload) {
    bool written = false;
    if (transport) {
        // The whole output report as the recorder describes it: the payload, cut or padded.
        std::vector<std::uint8_t> report(std::max<std::size_t>(transport->reportLengths().output, 1), 0);
        report[0] = usb::kReportId;
        std::copy_n(payload.begin(), std::min(payload.size(), report.size() - 1), report.begin() + 1);
        written = transport->writeReport(report);
    }
    setLastError(written ? DeviceError::Success : DeviceError::WriteFailed);
    return written;
}

bool ReadReport(HidTransport *transport, InputReport &report) {
    report.fill(0);
    if (!transport) {
        setLastError(DeviceError::ReadFailed);
        return false;
    }
    const std::size_t length = std::min(report.size(), transport->reportLengths().input);
    const auto outcome = transport->readReport(std::span(report).first(length), usb::kReadTimeout);
    if (outcome.status == HidTransport::ReadStatus::TimedOut) {
        setLastError(DeviceError::ReadTimedOut);
        return false;
    }
    if (outcome.status == HidTransport::ReadStatus::Failed || outcome.length == 0) {
        setLastError(DeviceError::ReadFailed);
        return false;
    }
    setLastError(DeviceError::Success);
    return true;
}

} // namespace logger
