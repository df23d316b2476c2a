#include "RecorderFixture.h"
#include "memory/MemoryAccess.h"

#include <functional>
#include <numeric>

using logger::Frame;

namespace {

struct SentFrame {
    const char *what;
    std::function<void()> call;
    Frame expected;
};

} // namespace

TEST(CommandFrame, QueryFramesCarryFlagCountAndChecksum) {
    EXPECT_EQ(logger::queryFrame(logger::kDataSize, 0), (Frame{0xC2, 0x01, 0xFF}));
    EXPECT_EQ(logger::queryFrame(logger::kUploadSize, 0), (Frame{0xC2, 0x21, 0xDF}));
    EXPECT_EQ(logger::queryFrame(logger::kVersion, 2), (Frame{0xC3, 0x71, 0x8F}));
    EXPECT_EQ(logger::queryFrame(logger::kMemoryBound, 0), (Frame{0xC3, 0xE1, 0x1F}));
    EXPECT_EQ(logger::queryFrame(logger::kChangeBondOption, 1), (Frame{0x40, 0xC2, 0x04, 0x3A}));
    EXPECT_EQ(logger::queryFrame(logger::kChangeBondOption, 254), (Frame{0x40, 0xC2, 0x01, 0x3D}));
    EXPECT_EQ(logger::queryFrame(42, 0)[0], 0x00);
}

TEST(CommandFrame, ChecksumBringsTheSumToZero) {
    const Frame clock = logger::clockFrame({59, 59, 23, 30, 11, 99});
    ASSERT_EQ(clock.size(), 9u);
    EXPECT_EQ(clock[1], 0x47);
    EXPECT_EQ(std::accumulate(clock.begin() + 1, clock.end(), 0u) % 256, 0u);
    EXPECT_EQ(logger::checksumOf(Frame{}), 0x00);
}

TEST(CommandFrame, MemoryFramesCarryAddressAndCount) {
    using logger::MemoryArea;
    EXPECT_EQ(logger::configurationReadFrame(0xF000, 4), (Frame{0xC4, 0xF5, 0x20, 0xF0, 0x00, 0x04, 0xF7}));
    EXPECT_EQ(logger::configurationWriteHeader(0xF0B1, 1), (Frame{0x40, 0xF5, 0x30, 0xF0, 0xB1, 0x01, 0x39}));
    EXPECT_EQ(logger::memoryReadFrame(0xABCDE, 0x12345),
              (Frame{0x40, 0xF7, 0x0A, 0xBC, 0xDE, 0x45, 0x23, 0x10, 0xED}));
    EXPECT_EQ(logger::memoryWriteHeader(0x10203, 2),
              (Frame{0x40, 0xF7, 0x11, 0x02, 0x03, 0x02, 0x00, 0x00, 0xF1}));
    const std::uint8_t bytes[] = {1, 2};
    EXPECT_EQ(logger::dataPacketFrame(MemoryArea::Configuration, bytes),
              (Frame{0x40, 0xF4, 0x50, 1, 2, 0xB9}));
    EXPECT_EQ(logger::dataPacketFrame(MemoryArea::Main, bytes), (Frame{0x40, 0xF4, 0x40, 1, 2, 0xC9}));
}

using CommandFrameOnTheWire = testing::RecorderTest;

TEST_F(CommandFrameOnTheWire, EachExportSendsItsFrameInOneTwelveByteReport) {
    const SentFrame cases[] = {
        {"data size", [] { GetDeviceDataSize(); }, {0xC2, 0x01, 0xFF}},
        {"version 1", [] { GetDeviceVersion(1); }, {0x83, 0x71, 0x8F}},
        {"version 2", [] { GetDeviceVersion(2); }, {0xC3, 0x71, 0x8F}},
        {"clear", [] { ClearDeviceMemory(); }, {0x40, 0x11, 0xEF}},
        {"ROM test 1", [] { TestDeviceROM(1); }, {0x00, 0x91, 0x6F}},
        {"ROM test 2", [] { TestDeviceROM(2); }, {0x40, 0x91, 0x6F}},
        {"RAM test 1", [] { TestDeviceRAM(1); }, {0x00, 0xA1, 0x5F}},
        {"read option", [] { ReadDeviceBondOption(); }, {0xC1, 0xB1, 0x4F}},
        {"change option", [] { ChangeDeviceBondOption(1); }, {0x40, 0xC2, 0x04, 0x3A}},
        {"reset option", [] { ResetDeviceBondOption(); }, {0x40, 0xD1, 0x2F}},
        {"set time", [] { SetDeviceTime(8, 2, 29, 10, 11, 12); }, {0x40, 0x47, 12, 11, 10, 28, 1, 8, 0x73}},
    };
    for (const auto &c : cases) {
        const std::size_t before = recorder->frames().size();
        c.call();
        ASSERT_EQ(recorder->frames().size(), before + 1) << c.what;
        EXPECT_EQ(recorder->frames().back(), c.expected) << c.what;
    }
    EXPECT_EQ(recorder->malformedFrames(), 0);
    for (const std::size_t length : recorder->writtenReportLengths())
        EXPECT_EQ(length, 12u);
}

TEST_F(CommandFrameOnTheWire, EepromTestEndsWithTheStopCommand) {
    EXPECT_EQ(TestDeviceEEPROM(), 1);
    ASSERT_EQ(recorder->frames().size(), 2u);
    EXPECT_EQ(recorder->frames()[0], (Frame{0x40, 0x81, 0x7F}));
    EXPECT_EQ(recorder->frames()[1], (Frame{0x40, 0x31, 0xCF}));
}
