#pragma once

#include <QString>
#include <QtGlobal>

#include <compare>
#include <cstdint>
#include <functional>
#include <optional>

// What the system says of a file: which file it is, its kind, its size and its last changes. Two
// looks that differ tell that the file changed between them, or that its name was given to
// another.
namespace platform::files {

// A time as the file system keeps it, over its whole range.
struct FileTime {
    std::int64_t seconds = 0; // since the start of 1970, UTC
    std::int32_t nanoseconds = 0;

    auto operator<=>(const FileTime &) const = default;
};

struct FileState {
    bool regular = false; // an ordinary file: no device, pipe, socket or folder
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    qint64 size = 0;
    FileTime modified;
    // Moves with every write, even one that sets the last change back.
    FileTime statusChanged;

    bool operator==(const FileState &) const = default;
};

// Of the file that the path names, links followed; nothing when it cannot be looked at.
std::optional<FileState> stateOf(const QString &path);

// Of an open file, by its handle.
std::optional<FileState> stateOfOpen(int handle);

// Whether a program holds the file open for writing, this one included. Unknown where the system
// cannot tell: a network home that refuses leases without a writer, a file system without
// leases, a file of another owner.
enum class Writers { None, Some, Unknown };

// Of a file open for reading only, by its handle.
Writers writersOf(int handle);

// Tests answer for the system in writersOf from now on: the type of the file's file system, as
// fstatfs gives it (nothing when it cannot be told), and the taking of a read lease (0, or the
// error number of the refusal). An empty answerer gives the system's answer again. Each returns
// the previous one.
using FileSystemAnswerer = std::function<std::optional<std::int64_t>(int handle)>;
FileSystemAnswerer setFileSystemAnswerer(FileSystemAnswerer answerer);
using LeaseAnswerer = std::function<int(int handle)>;
LeaseAnswerer setLeaseAnswerer(LeaseAnswerer answerer);

} // namespace platform::files
