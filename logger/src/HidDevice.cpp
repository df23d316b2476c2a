#include "HidDevice.h"

#include "LibraryState.h"

#include <algorithm>
#include <utility>

namespace logger {
namespace {

TransportFactory &transportFactory() {
    static TransportFactory factory = makeHidapiTransport;
    return factory;
}

} // namespace

TransportFactory setTransportFactory(TransportFactory factory) {
    CloseHidDevice();
    return std::exchange(transportFactory(), factory ? std::move(factory) : makeHidapiTransport);
}

void CloseHidDevice() {
    if (state().transport)
        state().transport->close();
    state().transport.reset();
}

bool OpenHidDevice() {
    if (state().upload.transport)
        return false;
    CloseHidDevice();
    auto transport = transportFactory()();
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
    std::array<std::uint8_t, usb::kOutputReportLength> report{};
    report[0] = usb::kReportId;
    std::copy_n(payload.begin(), std::min(payload.size(), report.size() - 1), report.begin() + 1);
    const bool written = transport && transport->writeReport(report);
    setLastError(written ? DeviceError::Success : DeviceError::WriteFailed);
    return written;
}

bool ReadReport(HidTransport *transport, InputReport &report) {
    report.fill(0);
    if (!transport) {
        setLastError(DeviceError::ReadFailed);
        return false;
    }
    const auto outcome = transport->readReport(report, usb::kReadTimeout);
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
