#include "platform/FolderAccess.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kTakes = 0;
constexpr int kRefusesAsDenied = 1;
constexpr int kRefusesOtherwise = 2;
constexpr int kKeepsPrivileges = 3;
constexpr int kCannotEnter = 4;

// Modes refuse a process without privileges, root's included: giving them all up needs none, in a
// container or a user namespace too.
bool giveUpPrivileges() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[_LINUX_CAPABILITY_U32S_3]{};
    return ::syscall(SYS_capset, &header, none) == 0;
}

// The check's answer about the folder to a user whom modes refuse: a child process without
// privileges asks it. It asks from inside the folder, so that the folders above it play no part.
// After the fork the child does little more than system calls and the check itself.
int answerToAnOrdinaryUser(const QString &folder) {
    const QByteArray path = QFile::encodeName(folder);
    const QString denied = qt_error_string(EACCES);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(path.constData()) != 0)
            ::_exit(kCannotEnter);
        if (!giveUpPrivileges())
            ::_exit(kKeepsPrivileges);
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
        const int answer = answerToAnOrdinaryUser(path);
        if (answer == kKeepsPrivileges)
            GTEST_SKIP() << "no process here may give up its privileges";
        EXPECT_EQ(answer, folder.answer);
    }
}

} // namespace
