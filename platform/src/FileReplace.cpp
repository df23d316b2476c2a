#include "platform/FileReplace.h"

#include <QFile>
#include <QFileInfo>

#include <cctype>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::files {
namespace {

bool syncDescriptorOf(const QByteArray &path, int flags) {
    const int descriptor = ::open(path.constData(), flags | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool synced = ::fsync(descriptor) == 0;
    ::close(descriptor);
    return synced;
}

bool isProcessNumber(const char *name) {
    if (!*name)
        return false;
    for (const char *digit = name; *digit; ++digit)
        if (!std::isdigit(static_cast<unsigned char>(*digit)))
            return false;
    return true;
}

// Calls visit with the path of each entry of the folder until it returns true; a folder that
// cannot be read (another user's, or of a process that just ended) has no entries.
template <typename Visit> bool anyEntry(const std::string &folder, Visit visit) {
    DIR *listing = ::opendir(folder.c_str());
    if (!listing)
        return false;
    bool found = false;
    while (const dirent *entry = ::readdir(listing)) {
        if (visit(entry->d_name)) {
            found = true;
            break;
        }
    }
    ::closedir(listing);
    return found;
}

} // namespace

bool openByAnotherProcess(const QString &path) {
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) != 0)
        return false;
    const std::string own = std::to_string(::getpid());
    return anyEntry("/proc", [&](const char *process) {
        if (!isProcessNumber(process) || own == process)
            return false;
        const std::string descriptors = std::string("/proc/") + process + "/fd/";
        return anyEntry(descriptors, [&](const char *descriptor) {
            struct stat opened {};
            return ::stat((descriptors + descriptor).c_str(), &opened) == 0 &&
                   opened.st_dev == target.st_dev && opened.st_ino == target.st_ino;
        });
    });
}

bool syncToDisk(const QString &path) {
    return syncDescriptorOf(QFile::encodeName(path), O_RDONLY);
}

bool replaceAtomically(const QString &replacement, const QString &target) {
    if (std::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(target).constData()) != 0)
        return false;
    // The new name lasts only once the folder that holds it is on the disk as well.
    syncDescriptorOf(QFile::encodeName(QFileInfo(target).absolutePath()), O_RDONLY | O_DIRECTORY);
    return true;
}

} // namespace platform::files
