#include "upload/OfflineImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace logger {
namespace {

QString &imageFolderOverride() {
    static QString folder;
    return folder;
}

} // namespace

QString libraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void *>(&libraryFolder), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
}

QString offlineImagePath() {
    const QString folder = imageFolderOverride().isEmpty() ? libraryFolder() : imageFolderOverride();
    if (folder.isEmpty())
        return {};
    return QDir(folder).filePath(QString::fromLatin1(kOfflineImageName));
}

void setOfflineImageFolder(const QString &folder) {
    imageFolderOverride() = folder;
}

bool offlineImageExists() {
    QFile image(offlineImagePath());
    return image.open(QIODevice::ReadOnly);
}

} // namespace logger
