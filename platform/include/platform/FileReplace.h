#pragma once

#include <QString>

// Replacing a file that other programs may hold, such as the database, without a moment in
// which it is missing or half written.
namespace platform::files {

// Whether a process other than this one holds the file open, as far as this user may see
// (the open descriptors of each process under /proc).
bool openByAnotherProcess(const QString &path);

// Writes the file's contents through to the disk; false when it cannot be opened or synced.
bool syncToDisk(const QString &path);

// Puts replacement in the place of target in one step, so that target names either the old or
// the new file at every moment, then syncs the folder. False, with both files as they were, when
// the step fails.
bool replaceAtomically(const QString &replacement, const QString &target);

} // namespace platform::files
