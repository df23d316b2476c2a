#pragma once

#include <QString>

#include <functional>
#include <optional>

// Whether the program may take the files of a folder: list them, rename them and delete them.
namespace platform::files {

// The system's reason why it may not; nothing when it may, or when there is no such folder.
std::optional<QString> whyFilesCannotBeTaken(const QString &folder);

// Tests, which may run as a user whom no mode refuses, answer for the system from now on: the
// error number of the refusal, or 0. An empty answerer gives the system's answer again. Returns
// the previous one.
using FolderAnswerer = std::function<int(const QString &folder)>;
FolderAnswerer setFolderAnswerer(FolderAnswerer answerer);

} // namespace platform::files
