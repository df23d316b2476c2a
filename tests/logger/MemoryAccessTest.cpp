#include "memory/MemoryAccess.h"
#include "RecorderFixture.h"

#include <QFile>

#include <numeric>

using Fault = testing::SimulatedRecorder::Fault;

namespace {

constexpr std::uint32_t kConfiguration = 1;
constexpr std::uint32_t kMain = 0;

int32_t readData(std::uint32_t mode, std::uint32_t address, std::vector<std::uint8_t> &out) {
    const auto count = std::uint32_t(out.size());
    return ReadData(&mode, &address, &count, out.data());
}

int32_t writeData(std::uint32_t mode, std::uint32_t address, const std::vector<std::uint8_t> &in) {
    const auto count = std::uint32_t(in.size());
    return WriteData(&mode, &address, &count, in.data());
}

} // namespace

class MemoryAccess : public testing::RecorderTest {
protected:
    void SetUp() override {
        RecorderTest::SetUp();
        std::iota(recorder->configuration.begin(), recorder->configuration.end(), 0);
        std::iota(recorder->memory.begin(), recorder->memory.end(), 7);
    }
    std::size_t configurationReads() const {
        std::size_t reads = 0;
        for (const auto &frame : recorder->framesOfCommand(logger::kMemoryAccess))
            reads += frame[2] == 0x20 ? 1 : 0;
        return reads;
    }
};

TEST_F(MemoryAccess, ConfigurationReadGoesInChunksOfFour) {
    std::vector<std::uint8_t> out(0x57);
    EXPECT_EQ(readData(kConfiguration, 0xF000, out), 0);
    EXPECT_EQ(configurationReads(), 22u);
    EXPECT_EQ(recorder->framesOfCommand(logger::kMemoryAccess).back()[0], 0xC3)
        << "the last chunk is 3 bytes";
    EXPECT_TRUE(std::equal(out.begin(), out.end(), recorder->configuration.begin()));
    EXPECT_EQ(recorder->malformedFrames(), 0);
}

TEST_F(MemoryAccess, ConfigurationWindowDependsOnTheModel) {
    std::vector<std::uint8_t> out(0x58);
    EXPECT_EQ(readData(kConfiguration, 0xF000, out), 6) << "0xF000 + 0x58 is past the window";
    EXPECT_EQ(configurationReads(), 0u);
    EXPECT_EQ(GetLastDeviceError(), 0);

    recorder->versionOfPart2 = 0; // as when the version query fails
    std::vector<std::uint8_t> one(1);
    EXPECT_EQ(readData(kConfiguration, 0xF0B1, one), 0);
    EXPECT_EQ(one[0], 0xB1);
    EXPECT_EQ(readData(kConfiguration, 0xF001, one), 6);
    one.resize(0x55);
    EXPECT_EQ(readData(kConfiguration, 0xF063, one), 0) << "0xF063 + 0x55 = 0xF0B8";
}

TEST_F(MemoryAccess, WriteSendsPacketsOfFiveEachAcknowledged) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(writeData(kMain, 0x12345, bytes), 0);
    const auto frames = recorder->framesOfCommand(logger::kMemoryAccess);
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0][2], 0x11) << "memory write header";
    EXPECT_EQ(frames[1][1], 0xF7);
    EXPECT_EQ(frames[2][1], 0xF7);
    EXPECT_EQ(frames[3][1], 0xF4);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), recorder->memory.begin() + 0x12345));

    EXPECT_EQ(writeData(kConfiguration, 0xF010, {0xAA, 0xBB}), 0);
    EXPECT_EQ(recorder->configuration[0x10], 0xAA);
    EXPECT_EQ(recorder->configuration[0x11], 0xBB);
}

TEST_F(MemoryAccess, MemoryReadTakesAtMostOneReport) {
    std::vector<std::uint8_t> out(255);
    EXPECT_EQ(readData(kMain, 0x80000, out), 0);
    EXPECT_TRUE(std::equal(out.begin(), out.end(), recorder->memory.begin() + 0x80000));

    const std::size_t framesBefore = recorder->frames().size();
    std::vector<std::uint8_t> tooMany(256, 0xEE);
    EXPECT_EQ(readData(kMain, 0, tooMany), 6);
    EXPECT_EQ(recorder->frames().size(), framesBefore) << "nothing is asked of the recorder";
    EXPECT_EQ(tooMany[0], 0xEE);

    std::vector<std::uint8_t> pastTheEnd(16);
    EXPECT_EQ(readData(kMain, 0xFFFF8, pastTheEnd), 6);
}

TEST_F(MemoryAccess, OneLostChunkFailsTheWholeConfigurationRead) {
    recorder->inject(Fault::NoReply, 2 /* version and first chunk */, 1);
    std::vector<std::uint8_t> out(12);
    EXPECT_EQ(readData(kConfiguration, 0xF000, out), 2);
    EXPECT_EQ(GetLastDeviceError(), 2);
    EXPECT_EQ(configurationReads(), 3u) << "the read goes on after the lost chunk";
    EXPECT_EQ(out[8], recorder->configuration[8]);
}

TEST_F(MemoryAccess, CommunicationFailuresGiveTwo) {
    std::vector<std::uint8_t> out(8);
    recorder->inject(Fault::NoReply, 0, 1);
    EXPECT_EQ(readData(kMain, 0, out), 2) << "no acknowledgement";
    recorder->inject(Fault::TimeOut, 1, 1);
    EXPECT_EQ(readData(kMain, 0, out), 2) << "no data after the acknowledgement";
    EXPECT_EQ(GetLastDeviceError(), 11);
    recorder->inject(Fault::NoReply, 2, 1);
    EXPECT_EQ(writeData(kMain, 0, std::vector<std::uint8_t>(8)), 2) << "second packet unacknowledged";
    recorder->inject(Fault::WriteFails, 0, 1);
    EXPECT_EQ(readData(kMain, 0, out), 2);
    EXPECT_EQ(GetLastDeviceError(), 4);
    recorder->plugged = false;
    EXPECT_EQ(readData(kMain, 0, out), 5);
    EXPECT_EQ(writeData(kConfiguration, 0xF000, {1}), 5);
    EXPECT_EQ(GetLastDeviceError(), 5);
}

TEST_F(MemoryAccess, OfflineImageLeavesTheRecorderAlone) {
    QFile image(imageFolder.filePath("drromimage.bin"));
    ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    image.close();
    ASSERT_EQ(ConnectToDevice(), 1);

    std::vector<std::uint8_t> out(4, 0x55);
    EXPECT_EQ(readData(kMain, 0, out), 0);
    EXPECT_EQ(writeData(kConfiguration, 0xF000, {1}), 0);
    EXPECT_EQ(out[0], 0x55);
    EXPECT_EQ(recorder->opens(), 0);
    ReleaseDevice();
}
