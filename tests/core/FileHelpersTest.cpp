#include "core/modHelpersFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <vector>

using namespace modHelpers;

namespace {

class FileHelpersTest : public ::testing::Test {
protected:
    QByteArray contents(const QString &path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }
    void writeRaw(const QString &path, const QByteArray &bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
};

TEST_F(FileHelpersTest, WritesTheFirstCountBytesIntoANewFile) {
    const std::vector<std::uint8_t> bytes{0x01, 0x00, 0xFF, 0x7F, 0x10};
    const QString path = dir.filePath("eeprom.bin");
    ASSERT_TRUE(WriteBytesToFile(path, bytes, 3));
    EXPECT_EQ(contents(path), QByteArray("\x01\x00\xFF", 3));
}

TEST_F(FileHelpersTest, ALongerOldFileLeavesNoTrailingBytes) {
    const QString path = dir.filePath("eeprom.bin");
    writeRaw(path, QByteArray(100, 'x'));
    const std::vector<std::uint8_t> bytes{'a', 'b'};
    ASSERT_TRUE(WriteBytesToFile(path, bytes, 2));
    EXPECT_EQ(contents(path), "ab");
}

TEST_F(FileHelpersTest, FailuresAreReportedAndLeaveTheOldFileWhole) {
    const QString path = dir.filePath("eeprom.bin");
    writeRaw(path, "old");
    const std::vector<std::uint8_t> bytes{'n', 'e', 'w'};
    EXPECT_FALSE(WriteBytesToFile(path, bytes, 4));
    EXPECT_EQ(contents(path), "old");

    EXPECT_FALSE(WriteBytesToFile(dir.filePath("missing/eeprom.bin"), bytes, 3));
    EXPECT_FALSE(WriteBytesToFile(dir.path(), bytes, 3));
}

} // namespace
