#include "RecorderFixture.h"
#include "transport/HidapiTransport.h"

#include <hidapi.h>

#include <functional>

using Fault = testing::SimulatedRecorder::Fault;

namespace {

struct FaultCase {
    const char *what;
    std::function<void(testing::SimulatedRecorder &)> fault;
    std::function<int32_t()> call;
    int32_t result;
    int32_t code;
};

int32_t readMainMemory() {
    const std::uint32_t mode = 0, address = 0, count = 8;
    std::uint8_t out[8];
    return ReadData(&mode, &address, &count, out);
}

} // namespace

using DeviceErrors = testing::RecorderTest;

TEST_F(DeviceErrors, EachFaultLeavesItsCode) {
    const FaultCase cases[] = {
        {"answered", [](auto &) {}, [] { return GetDeviceVersion(2); }, 167001, 0},
        {"unplugged query", [](auto &r) { r.plugged = false; }, [] { return GetDeviceVersion(2); }, 0, 1},
        {"no reply to a query", [](auto &r) { r.inject(Fault::NoReply); }, [] { return TestDeviceROM(1); }, 0,
         1},
        {"query timed out", [](auto &r) { r.inject(Fault::TimeOut); }, [] { return ClearDeviceMemory(); }, 0,
         1},
        {"query not written", [](auto &r) { r.inject(Fault::WriteFails); }, [] { return SyncDeviceTime(); },
         0, 1},
        {"short query reply", [](auto &r) { r.inject(Fault::ShortReply); },
         [] { return GetDeviceVersion(2); }, 0, 0},
        {"wrong reply mark", [](auto &r) { r.inject(Fault::WrongMark); }, [] { return GetDeviceVersion(2); },
         0, 3},
        {"silent on connect", [](auto &r) { r.inject(Fault::NoReply); }, [] { return ConnectToDevice(); }, 0,
         2},
        {"memory read not written", [](auto &r) { r.inject(Fault::WriteFails); }, readMainMemory, 2, 4},
        {"unplugged on connect", [](auto &r) { r.plugged = false; }, [] { return ConnectToDevice(); }, 0, 5},
        {"memory data timed out", [](auto &r) { r.inject(Fault::TimeOut, 1); }, readMainMemory, 2, 11},
        {"vanished mid-read", [](auto &r) { r.inject(Fault::Vanish, 1); }, readMainMemory, 2, 2},
    };
    for (const auto &c : cases) {
        auto fresh = std::make_shared<testing::SimulatedRecorder>();
        logger::setTransportFactory([fresh] { return fresh; });
        logger::loadLibraryState();
        SuppressInternalBoxes();
        c.fault(*fresh);
        EXPECT_EQ(c.call(), c.result) << c.what;
        EXPECT_EQ(GetLastDeviceError(), c.code) << c.what;
    }
}

TEST_F(DeviceErrors, ShortReplyNeverShowsAnEarlierReply) {
    recorder->versionOfPart2 = 167001;
    recorder->shortReplyLength = 4; // up to the first value byte
    EXPECT_EQ(GetDeviceVersion(2), 167001);
    recorder->inject(Fault::ShortReply);
    EXPECT_EQ(GetDeviceVersion(2), 1) << "the missing bytes read as zeros";
}

TEST_F(DeviceErrors, ReadTimeOutAndSuccessfulWriteOnTheTransport) {
    ASSERT_TRUE(logger::OpenHidDevice());
    logger::InputReport report;
    EXPECT_FALSE(logger::ReadReport(report));
    EXPECT_EQ(GetLastDeviceError(), 11);
    EXPECT_TRUE(logger::WriteReport(logger::queryFrame(logger::kStop, 0)));
    EXPECT_EQ(GetLastDeviceError(), 0) << "a good write clears the earlier failure";
}

TEST(HidEnumeration, FirstRecorderOfTheRightVendorWins) {
    char other[] = "/dev/hidraw0", first[] = "/dev/hidraw1", second[] = "/dev/hidraw2",
         mouse[] = "/dev/hidraw3";
    hid_device_info infos[4] = {};
    infos[0].path = other;
    infos[0].vendor_id = 0x046D; // another maker's device with the recorder's product id
    infos[0].product_id = logger::usb::kProductIds[0];
    infos[1].path = first;
    infos[1].vendor_id = logger::usb::kVendorId;
    infos[1].product_id = logger::usb::kProductIds[1];
    infos[2].path = second;
    infos[2].vendor_id = logger::usb::kVendorId;
    infos[2].product_id = logger::usb::kProductIds[0];
    infos[3].path = mouse;
    infos[3].vendor_id = logger::usb::kVendorId;
    infos[3].product_id = 0x0001;
    for (int i = 0; i < 3; ++i)
        infos[i].next = &infos[i + 1];
    EXPECT_EQ(logger::recorderPaths(infos), (std::vector<std::string>{first, second}));
}
