#include "RecorderFixture.h"

using Fault = testing::SimulatedRecorder::Fault;

class StatusFlags : public testing::RecorderTest {
protected:
    std::uint8_t &configurationByte(std::uint32_t address) {
        return recorder->configuration.at(address - testing::SimulatedRecorder::kConfigurationBase);
    }
    std::size_t configurationWrites() const {
        std::size_t writes = 0;
        for (const auto &frame : recorder->framesOfCommand(logger::kMemoryAccess))
            writes += frame[2] == 0x30 ? 1 : 0;
        return writes;
    }
};

TEST_F(StatusFlags, FirstModelRangeKeepsAllThreeFlags) {
    configurationByte(0xF000) = 0x80;
    configurationByte(0xF001) = 0xFF;
    configurationByte(0xF002) = 0x00;
    EXPECT_EQ(GetRGStatus(), 1);
    EXPECT_EQ(IsLowBattery(), 1);
    EXPECT_EQ(IsCompressed(), 0);

    configurationByte(0xF000) = 0x7F;
    configurationByte(0xF001) = 0xFE;
    EXPECT_EQ(GetRGStatus(), 0);
    EXPECT_EQ(IsLowBattery(), 0);
}

TEST_F(StatusFlags, WritersChangeOnlyTheirBit) {
    configurationByte(0xF000) = 0x15;
    configurationByte(0xF002) = 0xF0;
    EXPECT_EQ(SetRGStatus(), 0);
    EXPECT_EQ(configurationByte(0xF000), 0x95);
    EXPECT_EQ(ClearRGStatus(), 0);
    EXPECT_EQ(configurationByte(0xF000), 0x15);
    EXPECT_EQ(SetCompression(), 0);
    EXPECT_EQ(configurationByte(0xF002), 0xF1);
    EXPECT_EQ(IsCompressed(), 1);
    EXPECT_EQ(ClearCompression(), 0);
    EXPECT_EQ(configurationByte(0xF002), 0xF0);
}

TEST_F(StatusFlags, OtherModelsKeepOnlyTheStorageErrorFlag) {
    recorder->versionOfPart2 = 168000;
    configurationByte(0xF0B1) = 0x40;
    configurationByte(0xF001) = 0xFF;
    EXPECT_EQ(GetRGStatus(), 1);
    EXPECT_EQ(ClearRGStatus(), 0);
    EXPECT_EQ(configurationByte(0xF0B1), 0x00);
    EXPECT_EQ(IsLowBattery(), 0);
    EXPECT_EQ(SetCompression(), 0);
    EXPECT_EQ(IsCompressed(), 0);
    EXPECT_EQ(configurationWrites(), 1u);
}

TEST_F(StatusFlags, EdgeVersionsAreRefusedTheCompressionByte) {
    configurationByte(0xF002) = 0x01;
    for (const std::uint32_t version : {167000u, 167999u}) {
        recorder->versionOfPart2 = version;
        EXPECT_EQ(IsCompressed(), 0) << version;
        EXPECT_EQ(SetCompression(), 6) << version;
    }
    EXPECT_EQ(configurationWrites(), 0u);
}

TEST_F(StatusFlags, FailedReadWritesNothing) {
    configurationByte(0xF000) = 0x80;
    recorder->inject(Fault::TimeOut, 1 /* the version */, 1);
    EXPECT_EQ(SetRGStatus(), 2);
    EXPECT_EQ(configurationWrites(), 0u);
    recorder->inject(Fault::TimeOut, 1, 1);
    EXPECT_EQ(GetRGStatus(), 0);

    recorder->plugged = false;
    EXPECT_EQ(GetRGStatus(), 0);
    EXPECT_EQ(ClearRGStatus(), 5);
    EXPECT_EQ(IsLowBattery(), 0);
}
