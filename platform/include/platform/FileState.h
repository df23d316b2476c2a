#pragma once

#include <QString>
#include <QtGlobal>

#include <chrono>
#include <optional>

// What the system says of a file: its kind, its size and its last change. Two looks that differ
// tell that the file changed between them.
namespace platform::files {

struct FileState {
    bool regular = false; // an ordinary file: no device, pipe, socket or folder
    qint64 size = 0;
    std::chrono::system_clock::time_point modified; // to the nanosecond the file system keeps

    bool operator==(const FileState &) const = default;
};

// Of the file that the path names, links followed; nothing when it cannot be looked at.
std::optional<FileState> stateOf(const QString &path);

// Of an open file, by its handle.
std::optional<FileState> stateOfOpen(int handle);

} // namespace platform::files
