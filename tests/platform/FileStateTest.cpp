#include "platform/FileState.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using platform::files::stateOf;
using platform::files::stateOfOpen;

TEST(FileState, OnlyAnOrdinaryFileIsRegularWithLinksFollowed) {
    QTemporaryDir dir;
    QFile file(dir.filePath("run.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(QFile::link(dir.filePath("run.csv"), dir.filePath("file link")));
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("device link")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);

    const struct {
        const char *name;
        bool regular;
    } cases[] = {
        {"run.csv", true}, {"file link", true}, {"device link", false}, {"pipe", false}, {".", false}};
    for (const auto &entry : cases) {
        const auto state = stateOf(dir.filePath(entry.name));
        ASSERT_TRUE(state) << entry.name;
        EXPECT_EQ(state->regular, entry.regular) << entry.name;
    }
    EXPECT_FALSE(stateOf(dir.filePath("missing")));
}

TEST(FileState, AWriteOrANewLastChangeIsAnotherState) {
    QTemporaryDir dir;
    QFile file(dir.filePath("run.csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite | QIODevice::Unbuffered));
    file.write("first line\r\n");
    const auto written = stateOfOpen(file.handle());
    ASSERT_TRUE(written);
    EXPECT_EQ(written->size, 12);
    EXPECT_EQ(stateOf(file.fileName()), written) << "the name and the open file agree";

    ASSERT_TRUE(
        file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    const auto redated = stateOfOpen(file.handle());
    EXPECT_NE(redated, written);

    file.write("second line\r\n");
    EXPECT_NE(stateOfOpen(file.handle()), redated);
}

} // namespace
