#include "transport/HidapiTransport.h"
#include "LibraryState.h"
#include "logger.h"
#include "transport/HidDevice.h"
#include "transport/TransportFactory.h"

#include <hidapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Stands in for hidapi and the kernel: one bus of devices, and the results its calls give.
struct FakeHidapi {
    std::vector<std::string> recorders{"/dev/hidraw4"};
    std::set<std::string> unopenable;
    Bytes descriptor;
    int writeResult = 12;
    int readResult = 256;

    std::string opened;
    std::vector<std::string> descriptorsAskedFor;
    Bytes written;
    std::vector<std::size_t> readLengths;

    logger::HidapiCalls calls() {
        return {
            .init = [] { return 0; },
            .enumerate = [this] { return enumeration(); },
            .freeEnumeration = [](hid_device_info *) {},
            .openPath = [this](const char *path) -> hid_device * {
                if (unopenable.count(path))
                    return nullptr;
                opened = path;
                return reinterpret_cast<hid_device *>(&handle);
            },
            .close = [](hid_device *) {},
            .write =
                [this](hid_device *, const std::uint8_t *data, std::size_t length) {
                    written.assign(data, data + length);
                    return writeResult;
                },
            .readTimeout =
                [this](hid_device *, std::uint8_t *, std::size_t length, int) {
                    readLengths.push_back(length);
                    return readResult;
                },
            .reportDescriptor =
                [this](const char *path) {
                    descriptorsAskedFor.push_back(path);
                    return descriptor;
                },
        };
    }

private:
    hid_device_info *enumeration() {
        infos.assign(recorders.size() + 1, hid_device_info{});
        paths = recorders;
        paths.push_back("/dev/hidraw0");
        for (std::size_t i = 0; i < infos.size(); ++i) {
            infos[i].path = paths[i].data();
            const bool recorder = i < recorders.size();
            infos[i].vendor_id = recorder ? logger::usb::kVendorId : 0x046D;
            infos[i].product_id = logger::usb::kProductIds[0];
            infos[i].next = i + 1 < infos.size() ? &infos[i + 1] : nullptr;
        }
        return infos.data();
    }

    int handle = 0;
    std::vector<hid_device_info> infos;
    std::vector<std::string> paths;
};

class HidapiTransport : public testing::Test {
protected:
    void SetUp() override {
        logger::setTransportFactory([this] { return logger::makeHidapiTransport(hidapi.calls()); });
        logger::loadLibraryState();
    }
    void TearDown() override {
        logger::setTransportFactory({});
        logger::loadLibraryState();
    }

    FakeHidapi hidapi;
};

const Bytes kStopFrame = {0x40, 0x31, 0xCF};

} // namespace

TEST_F(HidapiTransport, ResultsBecomeTheLibrarysCodes) {
    const struct {
        const char *what;
        int writeResult;
        int readResult;
        bool done;
        int code;
    } reads[] =
        {
            {"report read", 12, 256, true, 0},
            {"nothing within the time-out", 12, 0, false, 11},
            {"read failed", 12, -1, false, 2},
        },
      writes[] = {
          {"report written", 12, 0, true, 0},
          {"write failed", -1, 0, false, 4},
          {"nothing written", 0, 0, false, 4},
      };
    ASSERT_TRUE(logger::OpenHidDevice());
    for (const auto &c : reads) {
        hidapi.readResult = c.readResult;
        logger::InputReport report;
        EXPECT_EQ(logger::ReadReport(report), c.done) << c.what;
        EXPECT_EQ(GetLastDeviceError(), c.code) << c.what;
    }
    for (const auto &c : writes) {
        hidapi.writeResult = c.writeResult;
        EXPECT_EQ(logger::WriteReport(kStopFrame), c.done) << c.what;
        EXPECT_EQ(GetLastDeviceError(), c.code) << c.what;
    }
}

TEST_F(HidapiTransport, ReportsAsLongAsTheRecorderDescribesThem) {
    // Report ID 1: 64 output bytes and 64 input bytes.
    hidapi.descriptor = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x01, 0x75, 0x08,
                         0x95, 0x40, 0x09, 0x01, 0x91, 0x02, 0x09, 0x02, 0x81, 0x02, 0xC0};
    hidapi.recorders = {"/dev/hidraw4", "/dev/hidraw7"};
    hidapi.unopenable = {"/dev/hidraw4"};
    ASSERT_TRUE(logger::OpenHidDevice());
    EXPECT_EQ(hidapi.opened, "/dev/hidraw7") << "the recorder that opens";
    EXPECT_EQ(hidapi.descriptorsAskedFor, std::vector<std::string>{"/dev/hidraw7"});

    EXPECT_TRUE(logger::WriteReport(kStopFrame));
    ASSERT_EQ(hidapi.written.size(), 65u);
    EXPECT_EQ(hidapi.written[0], logger::usb::kReportId);
    EXPECT_TRUE(std::equal(kStopFrame.begin(), kStopFrame.end(), hidapi.written.begin() + 1));
    EXPECT_TRUE(std::all_of(hidapi.written.begin() + 4, hidapi.written.end(), [](auto b) { return b == 0; }));
    logger::InputReport report;
    EXPECT_TRUE(logger::ReadReport(report));
    EXPECT_EQ(hidapi.readLengths.back(), 65u);
}

TEST_F(HidapiTransport, UsualLengthsWhereTheRecorderDescribesNone) {
    hidapi.descriptor = {}; // the descriptor could not be read
    ASSERT_TRUE(logger::OpenHidDevice());
    EXPECT_TRUE(logger::WriteReport(kStopFrame));
    EXPECT_EQ(hidapi.written.size(), logger::usb::kOutputReportLength);
    logger::InputReport report;
    EXPECT_TRUE(logger::ReadReport(report));
    EXPECT_EQ(hidapi.readLengths.back(), logger::usb::kInputReportLength);
}
