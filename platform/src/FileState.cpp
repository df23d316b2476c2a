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

// File systems on a disk or in memory of this computer, whose kernel sees every open of a file:
// ext2 to ext4, XFS, Btrfs, tmpfs, ramfs, F2FS, JFS, ReiserFS, NILFS, bcachefs, FAT, exFAT, NTFS.
// A network file system refuses leases it cannot keep (NFS without a delegation, SMB without an
// oplock), and FUSE or an overlay grants them without seeing every writer.
constexpr std::array<std::int64_t, 13> kLocalFileSystems = {
    0xEF53,     0x58465342, 0x9123683E, 0x01021994, 0x858458F6, 0xF2F52010, 0x3153464A,
    0x52654973, 0x3434,     0xCA451A4E, 0x4D44,     0x2011BAB0, 0x5346544E};

bool keepsLeases(int handle) {
    const auto system = fileSystemOf(handle);
    return system &&
           std::find(kLocalFileSystems.begin(), kLocalFileSystems.end(), *system) != kLocalFileSystems.end();
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
    if (!keepsLeases(handle))
        return Writers::Unknown;
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
    return error == EAGAIN ? Writers::Some : Writers::Unknown;
}

FileSystemAnswerer setFileSystemAnswerer(FileSystemAnswerer next) {
    return std::exchange(fileSystemAnswerer(), std::move(next));
}

LeaseAnswerer setLeaseAnswerer(LeaseAnswerer next) {
    return std::exchange(leaseAnswerer(), std::move(next));
}

} // namespace platform::files
