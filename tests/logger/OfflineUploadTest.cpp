#include "UploadFixture.h"
#include "common/ScriptedDialogs.h"

#include <QDir>
#include <QFile>

using testing::UploadTest;

namespace {

const QString kNotice = "Data has been read from DRROMIMAGE.BIN file.";

class OfflineUpload : public UploadTest {
protected:
    void placeImage(const encoder::Bytes &image) {
        QFile file(imageFolder.filePath("drromimage.bin"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char *>(image.data()), qint64(image.size()));
    }
    testing::ScriptedDialogs dialogs;
};

} // namespace

TEST_F(OfflineUpload, DecodesTheFileWithoutARecorderOrConnection) {
    recorder->plugged = false;
    const auto image = testing::thousandByteImage();
    placeImage(image);
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 0);
    const auto decoded = decodertest::decode(image, logger::DecoderMode::Decoded,
                                             logger::kOfflineResultCapacity, logger::kOfflineResultCapacity);
    EXPECT_EQ(std::vector<std::uint8_t>(primaryResult().begin(), primaryResult().end()),
              std::vector<std::uint8_t>(decoded.primary().begin(), decoded.primary().end()));
    EXPECT_EQ(secondaryLength, decoded.secondary().size());
    EXPECT_EQ(ticks, 0) << "no progress dialog";
    EXPECT_EQ(logger::state().primaryBuffer.size(), logger::kOfflineResultCapacity);

    ASSERT_EQ(dialogs.shown().size(), 1u) << "the notice shows although boxes are off";
    EXPECT_EQ(dialogs.shown()[0].text, kNotice);
    EXPECT_EQ(dialogs.shown()[0].title, "VELKO Data Recorder");
    std::uint32_t counts[6];
    EXPECT_EQ(GetPacketErrorCount(&counts[0], &counts[1], &counts[2], &counts[3], &counts[4], &counts[5]), 1);
    EXPECT_EQ(counts[0], decoded.counters().samples);
}

TEST_F(OfflineUpload, BuffersTooSmallThenTheKeptResult) {
    const auto image = testing::thousandByteImage();
    placeImage(image);
    primaryLength = secondaryLength = 0;
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 6);
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(dialogs.shown().size(), 1u) << "the second call reads no file";
    EXPECT_EQ(primaryLength, decodertest::decode(image).primary().size());
}

TEST_F(OfflineUpload, UnreadableFileIsReportedNotPassedOver) {
    ASSERT_TRUE(QDir(imageFolder.path()).mkdir("drromimage.bin")); // there, but no file to read
    EnableInternalBoxes();
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 0) << "unchanged";
    EXPECT_EQ(primaryLength, logger::kDeviceResultCapacity) << "untouched";
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text, kNotice);
    EXPECT_EQ(dialogs.shown()[1].text, "Unable to read the debug mode input file (logger_rom.bin).");
    EXPECT_EQ(recorder->opens(), 0);
}

TEST_F(OfflineUpload, FileLargerThanItsBuffersDeliversTheSessionsThatFit) {
    using namespace encoder;
    // Four sessions of 0x11000 samples: the fourth no longer fits in 0x40000 bytes.
    const Session big = sampleSession(decodertest::kStart, decodertest::kEnd, Bytes(0x11000, 100));
    placeImage(encodeImage({big, big, big, big}));
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 7);
    EXPECT_EQ(primaryLength, 3 * (0x11000 + 4 + 28u)) << "three whole entries";
    const auto entries = encoder::readSampleEntries(primaryResult());
    ASSERT_TRUE(entries.has_value());
    EXPECT_EQ(entries->size(), 3u);
    EXPECT_EQ(secondaryLength, 0u);
}

TEST_F(OfflineUpload, CutFileDeliversTheSessionsBeforeTheCut) {
    using namespace encoder;
    const Session session = sampleSession(decodertest::kStart, decodertest::kEnd, Bytes(300, 100));
    Bytes image = encodeImage({session, session});
    image.resize(image.size() - 100);
    placeImage(image);
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 7);
    const auto entries = encoder::readSampleEntries(primaryResult());
    ASSERT_TRUE(entries.has_value());
    EXPECT_EQ(entries->size(), 1u);
}
