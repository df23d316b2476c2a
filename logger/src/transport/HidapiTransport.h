#pragma once

#include "transport/HidTransport.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct hid_device_;
struct hid_device_info;

namespace logger {

// The hidapi calls the transport makes: hidapi's own, or stand-ins in tests.
struct HidapiCalls {
    std::function<int()> init;
    // Every present HID device.
    std::function<hid_device_info *()> enumerate;
    std::function<void(hid_device_info *)> freeEnumeration;
    std::function<hid_device_ *(const char *path)> openPath;
    std::function<void(hid_device_ *)> close;
    std::function<int(hid_device_ *, const std::uint8_t *data, std::size_t length)> write;
    std::function<int(hid_device_ *, std::uint8_t *data, std::size_t length, int milliseconds)> readTimeout;
    // The report descriptor of the device at the path; empty when it cannot be read.
    std::function<std::vector<std::uint8_t>(const char *path)> reportDescriptor;
};

HidapiCalls hidapiCalls();
std::shared_ptr<HidTransport> makeHidapiTransport(HidapiCalls calls);
// The transport over hidapi's own calls.
std::shared_ptr<HidTransport> makeHidapiTransport();

// Paths of the recorders in an enumeration, in its order.
std::vector<std::string> recorderPaths(const hid_device_info *enumeration);

// The lengths of the recorder's report id 1, from its report descriptor; the usual lengths for
// a direction it does not describe.
ReportLengths ReadHidCaps(const HidapiCalls &calls, const char *path);

} // namespace logger
