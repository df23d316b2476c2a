#include "preferences/RecorderMaintenance.h"

#include "LibraryState.h"
#include "common/LinkedDeviceLibrary.h"
#include "common/ScriptedDialogs.h"
#include "core/DeviceLibrary.h"
#include "core/Globals.h"
#include "core/modLocalisation.h"
#include "logger/SimulatedRecorder.h"
#include "protocol/Protocol.h"
#include "transport/TransportFactory.h"
#include "upload/OfflineImage.h"
#include "upload/UploadRunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <numeric>

namespace preferences {
void PrintTo(const RecorderReport &report, std::ostream *out) {
    *out << '"' << report.text.toStdString() << "\" icon " << int(report.icon);
}
} // namespace preferences

namespace {

using modLocalisation::LoadResString;
using platform::dialogs::Icon;
using preferences::RecorderReport;
using Fault = testing::SimulatedRecorder::Fault;

std::vector<std::uint8_t> countingBytes(std::size_t size) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), std::uint8_t(0));
    return bytes;
}

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray asBytes(const std::vector<std::uint8_t> &bytes) {
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

// The maintenance functions with the library's code linked in and the recorder simulated; the
// upload runs its ticks without its window.
class RecorderMaintenanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        logger::setTransportFactory([r = recorder] { return r; });
        logger::setOfflineImageFolder(imageFolder.path());
        logger::loadLibraryState();
        logger::setUploadRunner(logger::runUploadWithoutWindow);
        DeviceLibrary::installForTesting(&library, QString());
    }
    void TearDown() override {
        DeviceLibrary::restoreForTesting();
        logger::setUploadRunner({});
        logger::setTransportFactory({});
        logger::setOfflineImageFolder({});
        logger::loadLibraryState();
    }

    // The recorder is away and its memory image lies beside the library instead.
    void placeOfflineImage(const std::vector<std::uint8_t> &image) {
        recorder->plugged = false;
        QFile file(QDir(imageFolder.path()).filePath(logger::kOfflineImageName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(asBytes(image));
    }

    // The library always says that it read the offline image.
    std::size_t offlineNotices() const {
        return std::size_t(
            std::count_if(dialogs.shown().begin(), dialogs.shown().end(), [](const auto &shown) {
                return shown.text == "Data has been read from DRROMIMAGE.BIN file.";
            }));
    }

    QString binPath() const { return QDir(folder.path()).filePath("eeprom.bin"); }
    QString textPath() const { return QDir(folder.path()).filePath("eeprom.txt"); }
    RecorderReport saved() const {
        return {LoadResString(1781).replace("%X", folder.path()), Icon::Information};
    }
    RecorderReport notFound() const { return {LoadResString(1482), Icon::Critical}; }

    DeviceLibrary::Exports library = testing::linkedLibrary();
    std::shared_ptr<testing::SimulatedRecorder> recorder = std::make_shared<testing::SimulatedRecorder>();
    QTemporaryDir imageFolder;
    QTemporaryDir folder;
    testing::ScriptedDialogs dialogs;
};

TEST(MemoryHexText, SixteenBytesALineEachByteTwoDigitsAndABlank) {
    EXPECT_EQ(preferences::MemoryHexText({}), "");
    const std::uint8_t one[] = {0x0A};
    EXPECT_EQ(preferences::MemoryHexText(one), "0A \r\n");
    const auto sixteen = countingBytes(16);
    EXPECT_EQ(preferences::MemoryHexText(sixteen), "00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F \r\n");
    const std::vector<std::uint8_t> seventeen(17, 0xFF);
    EXPECT_EQ(preferences::MemoryHexText(seventeen), QByteArray("FF ").repeated(16) + "\r\nFF \r\n");
}

TEST_F(RecorderMaintenanceTest, TheDumpWritesTheMemoryImageAndItsHexText) {
    const struct {
        std::size_t size;
        int lines;
        int lastLineGroups;
    } cases[] = {{1, 1, 1}, {20, 2, 4}, {32, 2, 16}};
    for (const auto &c : cases) {
        auto image = countingBytes(c.size);
        image[0] = 0x0A;
        placeOfflineImage(image);

        EXPECT_EQ(preferences::SaveRecorderMemory(folder.path()), saved()) << c.size;

        EXPECT_EQ(fileBytes(binPath()), asBytes(image)) << c.size;
        const QByteArray text = fileBytes(textPath());
        EXPECT_EQ(text, preferences::MemoryHexText(image)) << c.size;
        const QList<QByteArray> lines = text.split('\n');
        ASSERT_EQ(lines.size(), c.lines + 1) << c.size; // the last line end leaves an empty rest
        EXPECT_EQ(lines[c.lines - 1].count(' '), c.lastLineGroups) << c.size;
        EXPECT_TRUE(lines[c.lines - 1].endsWith(" \r")) << c.size;
        EXPECT_TRUE(text.startsWith("0A ")) << c.size;
    }
    EXPECT_EQ(offlineNotices(), 3u);
}

TEST_F(RecorderMaintenanceTest, TheRecordersOwnMemoryIsDumpedAndTheRecorderLetGo) {
    const auto image = countingBytes(1000);
    recorder->loadImage(image);

    EXPECT_EQ(preferences::SaveRecorderMemory(folder.path()), saved());

    EXPECT_EQ(fileBytes(binPath()), asBytes(image));
    EXPECT_EQ(fileBytes(textPath()).count("\r\n"), 63);
    EXPECT_FALSE(logger::state().connected);
}

TEST_F(RecorderMaintenanceTest, AnImageLargerThanTheRoomOfferedIsReadAgainWithTheRoomItNeeds) {
    const auto image = countingBytes(std::size_t(kDeviceBufferOffered) + 100);
    placeOfflineImage(image);

    EXPECT_EQ(preferences::SaveRecorderMemory(folder.path()), saved());

    EXPECT_EQ(fileBytes(binPath()), asBytes(image));
    EXPECT_EQ(offlineNotices(), 2u) << "read twice";
}

TEST_F(RecorderMaintenanceTest, AFailedConnectWritesNoFile) {
    recorder->plugged = false;
    EXPECT_EQ(preferences::SaveRecorderMemory(folder.path()), notFound());
    EXPECT_FALSE(QFile::exists(binPath()));
    EXPECT_FALSE(QFile::exists(textPath()));
}

TEST_F(RecorderMaintenanceTest, AFailedReadIsReportedAndLeavesTheOldFilesAlone) {
    QFile old(binPath());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    recorder->loadImage(countingBytes(2000));
    recorder->inject(Fault::Vanish, testing::SimulatedRecorder::kRepliesBeforeUploadData + 2);

    const RecorderReport report = preferences::SaveRecorderMemory(folder.path());

    EXPECT_EQ(report.icon, Icon::Critical);
    EXPECT_NE(report, saved());
    EXPECT_EQ(fileBytes(binPath()), "old");
    EXPECT_FALSE(QFile::exists(textPath()));
}

TEST_F(RecorderMaintenanceTest, AFileThatCannotBeWrittenLeavesNeitherFile) {
    recorder->loadImage(countingBytes(1000));
    ASSERT_TRUE(QDir(folder.path()).mkdir("eeprom.txt")); // a folder where the text file would go

    EXPECT_EQ(preferences::SaveRecorderMemory(folder.path()),
              (RecorderReport{LoadResString(1782).replace("%X", textPath()), Icon::Critical}));
    EXPECT_FALSE(QFile::exists(binPath()));
}

// A library that says it delivered more bytes than it was offered room for.
std::int32_t overlongImage(std::uint8_t *, std::uint32_t *length) {
    *length += 10;
    return 1;
}

TEST_F(RecorderMaintenanceTest, ALengthBeyondTheRoomOfferedIsNeverWritten) {
    library.GetEEPROMData = overlongImage;
    const RecorderReport report = preferences::SaveRecorderMemory(folder.path());
    EXPECT_EQ(report.icon, Icon::Critical);
    EXPECT_EQ(report.text, LoadResString(1780).replace("%X", "6"));
    EXPECT_FALSE(QFile::exists(binPath()));
}

TEST_F(RecorderMaintenanceTest, SynchronisingAndClearingSayHowTheyWent) {
    EXPECT_EQ(preferences::SynchroniseRecorderClock(),
              (RecorderReport{LoadResString(1504), Icon::Information}));
    EXPECT_EQ(recorder->framesOfCommand(logger::kSetClock).size(), 1u);
    EXPECT_EQ(preferences::ClearRecorderMemory(), (RecorderReport{LoadResString(1517), Icon::Information}));
    EXPECT_EQ(recorder->framesOfCommand(logger::kClearMemory).size(), 1u);

    recorder->plugged = false;
    EXPECT_EQ(preferences::SynchroniseRecorderClock(), notFound());
    EXPECT_EQ(preferences::ClearRecorderMemory(), notFound());
}

TEST_F(RecorderMaintenanceTest, WithoutTheLibraryNothingIsAttempted) {
    DeviceLibrary::installForTesting(nullptr, QString());
    EXPECT_THROW(preferences::SynchroniseRecorderClock(), std::runtime_error);
    EXPECT_THROW(preferences::SaveRecorderMemory(folder.path()), std::runtime_error);
}

} // namespace
