#include "platform/FolderAccess.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include <utility>

namespace platform::files {
namespace {

FolderAnswerer &answerer() {
    static FolderAnswerer answerer;
    return answerer;
}

int systemAnswer(const QString &folder) {
    const bool allowed =
        ::faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), R_OK | W_OK | X_OK, AT_EACCESS) == 0;
    return allowed ? 0 : errno;
}

} // namespace

std::optional<QString> whyFilesCannotBeTaken(const QString &folder) {
    const int error = answerer() ? answerer()(folder) : systemAnswer(folder);
    if (error == 0 || error == ENOENT)
        return std::nullopt;
    return qt_error_string(error);
}

FolderAnswerer setFolderAnswerer(FolderAnswerer next) {
    return std::exchange(answerer(), std::move(next));
}

} // namespace platform::files
