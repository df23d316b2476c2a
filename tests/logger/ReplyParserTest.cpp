#include "RecorderFixture.h"
#include "protocol/Protocol.h"

using logger::InputReport;

namespace {

InputReport replyOf(std::uint8_t kind, std::uint8_t b3, std::uint8_t b4 = 0, std::uint8_t b5 = 0) {
    InputReport reply{};
    reply[0] = 1;
    reply[1] = 0xFE;
    reply[2] = kind;
    reply[3] = b3;
    reply[4] = b4;
    reply[5] = b5;
    return reply;
}

} // namespace

using ReplyParser = testing::RecorderTest;

TEST_F(ReplyParser, ReadsEachKindOfValue) {
    const struct {
        const char *what;
        InputReport reply;
        std::uint32_t value;
    } cases[] = {
        {"size of the directory alone", replyOf(0x00, 0x80, 0x01), 0},
        {"one byte more", replyOf(0x00, 0x81, 0x01), 385},
        {"20-bit upload size", replyOf(0x25, 0x00, 0x10), 5 * 65536 + 4096},
        {"BCD version", replyOf(0x70, 0x01, 0x70, 0x16), 167001},
        {"one byte", replyOf(0xB0, 0x7C, 0xFF, 0xFF), 0x7C},
        {"three bytes", replyOf(0xE0, 0x01, 0x02, 0x03), 0x030201},
        {"acknowledgement", replyOf(0x40, 0x00), 1},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(logger::ParseReply(c.reply), c.value) << c.what;
        EXPECT_EQ(GetLastDeviceError(), 0) << c.what;
    }
}

TEST_F(ReplyParser, RejectsForeignAndMalformedReports) {
    logger::setLastError(logger::DeviceError::WriteFailed);
    InputReport foreign = replyOf(0x40, 0);
    foreign[0] = 2;
    EXPECT_EQ(logger::ParseReply(foreign), 0u);
    EXPECT_EQ(GetLastDeviceError(), 4) << "a foreign report leaves the code alone";

    InputReport unmarked = replyOf(0x70, 0x01, 0x70, 0x16);
    unmarked[1] = 0xFD;
    EXPECT_EQ(logger::ParseReply(unmarked), 0u);
    EXPECT_EQ(GetLastDeviceError(), 3);
}

TEST_F(ReplyParser, RecorderAnswersAreReadThroughTheExports) {
    recorder->dataSize = 384;
    EXPECT_EQ(GetDeviceDataSize(), 0) << "a recorder with only its directory has nothing";
    EXPECT_EQ(GetLastDeviceError(), 0);
    recorder->dataSize = 0x5ABCD;
    EXPECT_EQ(GetDeviceDataSize(), 0x5ABCD);
    EXPECT_EQ(GetDeviceVersion(2), 167001);
    EXPECT_EQ(GetDeviceVersion(1), 101002);

    EXPECT_EQ(ChangeDeviceBondOption(0x42), 1);
    EXPECT_EQ(recorder->bondOption, 0x42);
    EXPECT_EQ(ReadDeviceBondOption(), 0x42);
    EXPECT_EQ(ResetDeviceBondOption(), 1);
    EXPECT_EQ(ReadDeviceBondOption(), testing::SimulatedRecorder::kDefaultBondOption);
    EXPECT_EQ(TestDeviceROM(1), 1);
    EXPECT_EQ(TestDeviceRAM(2), 1);

    EXPECT_EQ(ClearDeviceMemory(), 1);
    EXPECT_EQ(GetDeviceDataSize(), 0);
}
