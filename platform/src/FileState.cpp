#include "platform/FileState.h"

#include <QFile>

#include <sys/stat.h>

namespace platform::files {
namespace {

FileState stateFrom(const struct stat &status) {
    const auto modified =
        std::chrono::seconds(status.st_mtim.tv_sec) + std::chrono::nanoseconds(status.st_mtim.tv_nsec);
    return {.regular = S_ISREG(status.st_mode),
            .size = status.st_size,
            .modified = std::chrono::system_clock::time_point(
                std::chrono::duration_cast<std::chrono::system_clock::duration>(modified))};
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

} // namespace platform::files
