#pragma once

#include <QString>

#include <array>
#include <optional>

namespace platform::files {

// major, minor, build, revision
using FileVersion = std::array<int, 4>;

// The version a shared object carries in the name its links end at: "liblogger.so" links to
// "liblogger.so.1.0.0", giving 1.0.0.0 (missing numbers are 0). Nothing when the file is missing
// or its name carries no version.
std::optional<FileVersion> fileVersion(const QString &path);

} // namespace platform::files
