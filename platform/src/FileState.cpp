#include "platform/FileState.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <utility>

namespace platform::files {
namespace {

FileSystemAnswerer &fileSystemAnswerer() {
    static FileSystemAnswerer answerer;
    return answerer;
}

LeaseAnswerer &leaseAnswerer() {
    static LeaseAnswerer answerer;
    return answerer;
}

std::optional<std::int64_t> fileSystemOf(int handle) {
    if (fileSystemAnswerer())
        return fileSystemAnswerer()(handle);
    struct statfs system {};
    if (::fstatfs(handle, &system) != 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(system.f_type);
}

// Network file systems whose client refuses a read lease it cannot keep, writer or none: NFS
// version 4 without a delegation, SMB and CIFS without an oplock. Every other file system refuses
// one only while a program holds the file open for writing or holds a lease of its own.
constexpr std::array<std::int64_t, 4> kRefusingWithoutWriters = {0x6969, 0x517B, 0xFF534D42, 0xFE534D42};

// A file system that cannot be told counts as one that refuses only for a writer: the file is then
// left for a later start rather than taken half written.
bool refusesWithoutWriters(int handle) {
    const auto system = fileSystemOf(handle);
    return system && std::find(kRefusingWithoutWriters.begin(), kRefusingWithoutWriters.end(), *system) !=
                         kRefusingWithoutWriters.end();
}

// 0, or the error number of the refusal.
int takeReadLease(int handle) {
    if (leaseAnswerer())
        return leaseAnswerer()(handle);
    return ::fcntl(handle, F_SETLEASE, F_RDLCK) == 0 ? 0 : errno;
}

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
    const int error = takeReadLease(handle);
    if (error == 0)
        ::fcntl(handle, F_SETLEASE, F_UNLCK);
    ::sigaction(SIGIO, &previous, nullptr);
    if (error == 0)
        return Writers::None;
    // Any other refusal comes from a file system without leases (NFS versions 2 and 3, Ceph, 9p)
    // or for a file of another owner.
    if (error != EAGAIN || refusesWithoutWriters(handle))
        return Writers::Unknown;
    return Writers::Some;
}

FileSystemAnswerer setFileSystemAnswerer(FileSystemAnswerer next) {
    return std::exchange(fileSystemAnswerer(), std::move(next));
}

LeaseAnswerer setLeaseAnswerer(LeaseAnswerer next) {
    return std::exchange(leaseAnswerer(), std::move(next));
}

} // namespace platform::files
