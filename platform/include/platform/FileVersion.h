#pragma once

#include <QString>

#include <optional>

namespace platform::files {

// The version a shared object carries in the name its links end at: "liblogger.so" links to
// "liblogger.so.1.0.0", giving "1.0.0". Nothing when the file is missing or its name carries
// no version.
std::optional<QString> fileVersion(const QString &path);

} // namespace platform::files
