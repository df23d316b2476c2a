#include "platform/FolderAccess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kTakes = 0;
constexpr int kRefusesAsDenied = 1;
constexpr int kRefusesOtherwise = 2;
constexpr int kNoOrdinaryUser = 3;

// The check's answer about the folder to a user whom modes refuse, as root is not: a child process
// asks it as nobody when the test runs as root. It asks from inside the folder, so that the
// folders above it, which that user may not enter, play no part. After the fork the child does
// little more than system calls and the check itself.
int answerToAnOrdinaryUser(const QString &folder) {
    const QByteArray path = QFile::encodeName(folder);
    const QString denied = qt_error_string(EACCES);
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr unsigned kNobody = 65534;
        if (::chdir(path.constData()) != 0 ||
            (::geteuid() == 0 &&
             (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)))
            ::_exit(kNoOrdinaryUser);
        const auto refusal = platform::files::whyFilesCannotBeTaken(QStringLiteral("."));
        ::_exit(!refusal ? kTakes : *refusal == denied ? kRefusesAsDenied : kRefusesOtherwise);
    }
    if (child < 0)
        return -1;
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
            return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FolderAccess, AFolderTheUserMayNotWriteIsRefused) {
    QTemporaryDir dir;
    const struct {
        const char *name;
        mode_t mode;
        int answer;
    } folders[] = {
        {"read only", 0555, kRefusesAsDenied},
        {"open to all", 0777, kTakes},
    };
    for (const auto &folder : folders) {
        SCOPED_TRACE(folder.name);
        const QString path = dir.filePath(folder.name);
        ASSERT_TRUE(QDir().mkdir(path));
        ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), folder.mode), 0);
        EXPECT_EQ(answerToAnOrdinaryUser(path), folder.answer);
    }
}

} // namespace
