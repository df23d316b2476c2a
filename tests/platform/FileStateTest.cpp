#include "platform/FileState.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
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

// A writer that opens the file while its lease is held breaks the lease, and the system then tells
// the holder by a signal whose default is to end the program.
TEST(FileStateDeathTest, AWriterOpeningTheFileWhileItIsLookedAtLeavesTheProgramRunning) {
    QTemporaryDir dir;
    QFile file(dir.filePath("run.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray path = QFile::encodeName(file.fileName());
    EXPECT_EXIT(
        {
            platform::files::setLeaseAnswerer([&path](int handle) {
                if (::fcntl(handle, F_SETLEASE, F_RDLCK) != 0)
                    return errno;
                ::open(path.constData(), O_WRONLY | O_NONBLOCK);
                return 0;
            });
            const auto writers = platform::files::writersOf(file.handle());
            std::_Exit(writers == platform::files::Writers::None ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
