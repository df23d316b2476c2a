#include "RecorderFixture.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

using Fault = testing::SimulatedRecorder::Fault;

class Connection : public testing::RecorderTest {
protected:
    void placeOfflineImage() {
        QFile image(imageFolder.filePath("drromimage.bin"));
        ASSERT_TRUE(image.open(QIODevice::WriteOnly));
    }
};

TEST_F(Connection, ConnectsAndPreparesZeroedResultBuffers) {
    EXPECT_EQ(ConnectToDevice(), 1);
    EXPECT_EQ(GetLastDeviceError(), 0);
    const logger::LibraryState &s = logger::state();
    EXPECT_TRUE(s.connected);
    EXPECT_TRUE(s.buffersOwned);
    ASSERT_EQ(s.primaryBuffer.size(), 0xC0000u);
    ASSERT_EQ(s.secondaryBuffer.size(), 0xC0000u);
    EXPECT_EQ(recorder->frames().front(), (logger::Frame{0xC2, 0x01, 0xFF}));

    logger::state().primaryBuffer[5] = 9;
    EXPECT_EQ(ConnectToDevice(), 1);
    EXPECT_TRUE(std::all_of(s.primaryBuffer.begin(), s.primaryBuffer.end(), [](auto b) { return b == 0; }));

    EXPECT_EQ(ReleaseDevice(), 1);
    EXPECT_FALSE(s.connected);
    EXPECT_EQ(s.primaryBuffer.capacity(), 0u) << "freed, not only cleared";
    EXPECT_EQ(ReleaseDevice(), 0) << "no longer connected";
    EXPECT_EQ(GetLastDeviceError(), 0);
}

TEST_F(Connection, MissingOrSilentRecorderIsNoConnection) {
    recorder->plugged = false;
    EXPECT_EQ(ConnectToDevice(), 0);
    EXPECT_EQ(GetLastDeviceError(), 5);

    recorder->plugged = true;
    recorder->inject(Fault::NoReply);
    EXPECT_EQ(ConnectToDevice(), 0) << "found, but it does not answer";
    EXPECT_EQ(GetLastDeviceError(), 2);
    EXPECT_FALSE(logger::state().connected);
}

TEST_F(Connection, OfflineImageStandsInForTheRecorder) {
    recorder->plugged = false;
    placeOfflineImage();
    EXPECT_EQ(ConnectToDevice(), 1);
    EXPECT_EQ(GetLastDeviceError(), 0);
    EXPECT_TRUE(logger::state().offlineImageInUse);
    EXPECT_EQ(recorder->opens(), 0);
    EXPECT_EQ(ReleaseDevice(), 1);
}

TEST_F(Connection, ImageTakenAwayNoLongerStandsInForTheRecorder) {
    recorder->plugged = false;
    placeOfflineImage();
    ASSERT_EQ(ConnectToDevice(), 1);
    ASSERT_EQ(ReleaseDevice(), 1);
    ASSERT_TRUE(QFile::remove(imageFolder.filePath("drromimage.bin")));

    EXPECT_EQ(ConnectToDevice(), 0);
    EXPECT_EQ(GetLastDeviceError(), 5);
    EXPECT_FALSE(logger::state().offlineImageInUse);
    const std::uint32_t mode = 1, address = 0xF000, count = 1;
    const std::uint8_t value = 0x80;
    EXPECT_EQ(WriteData(&mode, &address, &count, &value), 5) << "no recorder to write to";
    EXPECT_EQ(ClearRGStatus(), 5);
}

TEST_F(Connection, OfflineImageIsLookedForBesideTheLibrary) {
    logger::setOfflineImageFolder({});
    // In this test program the library's code is linked into the executable itself.
    EXPECT_EQ(logger::libraryFolder(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(logger::offlineImagePath(), QCoreApplication::applicationDirPath() + "/drromimage.bin");
}
