#include "transport/HidapiTransport.h"

#include "transport/RecorderUsb.h"

#include <hidapi.h>
#include <linux/hidraw.h>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace logger {

namespace {

// hidapi's hidraw backend opens /dev/hidraw nodes; their descriptor comes from the kernel.
std::vector<std::uint8_t> hidrawReportDescriptor(const char *path) {
    const int node = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (node < 0)
        return {};
    std::vector<std::uint8_t> descriptor;
    int size = 0;
    hidraw_report_descriptor raw{};
    if (::ioctl(node, HIDIOCGRDESCSIZE, &size) == 0 && size > 0 && size <= HID_MAX_DESCRIPTOR_SIZE) {
        raw.size = std::uint32_t(size);
        if (::ioctl(node, HIDIOCGRDESC, &raw) == 0)
            descriptor.assign(raw.value, raw.value + size);
    }
    ::close(node);
    return descriptor;
}

class HidapiTransport : public HidTransport {
public:
    explicit HidapiTransport(HidapiCalls calls) : calls_(std::move(calls)) {}
    ~HidapiTransport() override { close(); }

    bool open() override {
        close();
        if (calls_.init() != 0)
            return false;
        hid_device_info *enumeration = calls_.enumerate();
        const std::vector<std::string> paths = recorderPaths(enumeration);
        calls_.freeEnumeration(enumeration);
        // A recorder that cannot be opened (no permission, just unplugged) is passed over.
        for (const std::string &path : paths) {
            device_ = calls_.openPath(path.c_str());
            if (device_) {
                lengths_ = ReadHidCaps(calls_, path.c_str());
                return true;
            }
        }
        return false;
    }

    void close() override {
        if (device_)
            calls_.close(device_);
        device_ = nullptr;
    }

    bool writeReport(std::span<const std::uint8_t> report) override {
        return device_ && calls_.write(device_, report.data(), report.size()) > 0;
    }

    ReadOutcome readReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override {
        if (!device_)
            return {ReadStatus::Failed, 0};
        const int received = calls_.readTimeout(device_, buffer.data(), buffer.size(), int(timeout.count()));
        if (received < 0)
            return {ReadStatus::Failed, 0};
        if (received == 0)
            return {ReadStatus::TimedOut, 0};
        return {ReadStatus::Received, std::size_t(received)};
    }

    ReportLengths reportLengths() const override { return lengths_; }

private:
    HidapiCalls calls_;
    hid_device *device_ = nullptr;
    ReportLengths lengths_;
};

} // namespace

HidapiCalls hidapiCalls() {
    return {
        .init = [] { return hid_init(); },
        .enumerate = [] { return hid_enumerate(0, 0); },
        .freeEnumeration = [](hid_device_info *enumeration) { hid_free_enumeration(enumeration); },
        .openPath = [](const char *path) { return hid_open_path(path); },
        .close = [](hid_device *device) { hid_close(device); },
        .write = [](hid_device *device, const std::uint8_t *data,
                    std::size_t length) { return hid_write(device, data, length); },
        .readTimeout = [](hid_device *device, std::uint8_t *data, std::size_t length,
                          int milliseconds) { return hid_read_timeout(device, data, length, milliseconds); },
        .reportDescriptor = hidrawReportDescriptor,
    };
}

std::shared_ptr<HidTransport> makeHidapiTransport(HidapiCalls calls) {
    return std::make_shared<HidapiTransport>(std::move(calls));
}

std::shared_ptr<HidTransport> makeHidapiTransport() {
    return makeHidapiTransport(hidapiCalls());
}

std::vector<std::string> recorderPaths(const hid_device_info *enumeration) {
    std::vector<std::string> paths;
    for (const hid_device_info *info = enumeration; info; info = info->next)
        if (info->path && usb::isRecorder(info->vendor_id, info->product_id))
            paths.emplace_back(info->path);
    return paths;
}

ReportLengths ReadHidCaps(const HidapiCalls &calls, const char *path) {
    const std::vector<std::uint8_t> descriptor = calls.reportDescriptor(path);
    const ReportLengths described = reportLengthsOf(descriptor, usb::kReportId);
    return {described.output != 0 ? described.output : usb::kOutputReportLength,
            described.input != 0 ? described.input : usb::kInputReportLength};
}

} // namespace logger
