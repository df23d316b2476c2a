#include "platform/FileState.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform::files {
namespace {

FileTime timeFrom(const struct timespec &time) {
    return {.seconds = time.tv_sec, .nanoseconds = static_cast<std::int32_t>(time.tv_nsec)};
}

FileState stateFrom(const struct stat &status) {
    return {.regular = S_ISREG(status.st_mode),
            .device = status.st_dev,
            .inode = status.st_ino,
            .size = status.st_size,
            .modified = timeFrom(status.st_mtim),
            .statusChanged = timeFrom(status.st_ctim)};
}

} // namespace

std::optional<FileState> stateOf(const QString &path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return stateFrom(status);
}

std::optional<FileState> stateOfOpen(int handle) {
    struct stat status {};
    if (::fstat(handle, &status) != 0)
        return std::nullopt;
    return stateFrom(status);
}

// The system grants a read lease only on a file that nobody holds open for writing. The lease is
// let go at once: a writer that opens the file meanwhile waits for that, and the signal that tells
// the holder of it, which would end the program, is ignored until then.
Writers writersOf(int handle) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction previous {};
    ::sigaction(SIGIO, &ignore, &previous);
    const bool leased = ::fcntl(handle, F_SETLEASE, F_RDLCK) == 0;
    const int error = errno;
    if (leased)
        ::fcntl(handle, F_SETLEASE, F_UNLCK);
    ::sigaction(SIGIO, &previous, nullptr);
    if (leased)
        return Writers::None;
    return error == EAGAIN ? Writers::Some : Writers::Unknown;
}

} // namespace platform::files
