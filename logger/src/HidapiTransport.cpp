#include "HidapiTransport.h"

#include "RecorderUsb.h"

#include <hidapi.h>

namespace logger {

std::vector<std::string> recorderPaths(const hid_device_info *enumeration) {
    std::vector<std::string> paths;
    for (const hid_device_info *info = enumeration; info; info = info->next)
        if (info->path && usb::isRecorder(info->vendor_id, info->product_id))
            paths.emplace_back(info->path);
    return paths;
}

namespace {

class HidapiTransport : public HidTransport {
public:
    ~HidapiTransport() override { close(); }

    bool open() override {
        close();
        if (hid_init() != 0)
            return false;
        hid_device_info *enumeration = hid_enumerate(0, 0);
        const std::vector<std::string> paths = recorderPaths(enumeration);
        hid_free_enumeration(enumeration);
        // A recorder that cannot be opened (no permission, just unplugged) is passed over.
        for (const std::string &path : paths) {
            device_ = hid_open_path(path.c_str());
            if (device_)
                return true;
        }
        return false;
    }

    void close() override {
        if (device_)
            hid_close(device_);
        device_ = nullptr;
    }

    bool writeReport(std::span<const std::uint8_t> report) override {
        return device_ && hid_write(device_, report.data(), report.size()) > 0;
    }

    ReadOutcome readReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override {
        if (!device_)
            return {ReadStatus::Failed, 0};
        const int received = hid_read_timeout(device_, buffer.data(), buffer.size(), int(timeout.count()));
        if (received < 0)
            return {ReadStatus::Failed, 0};
        if (received == 0)
            return {ReadStatus::TimedOut, 0};
        return {ReadStatus::Received, std::size_t(received)};
    }

private:
    hid_device *device_ = nullptr;
};

} // namespace

std::shared_ptr<HidTransport> makeHidapiTransport() {
    return std::make_shared<HidapiTransport>();
}

} // namespace logger
