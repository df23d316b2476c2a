#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform::paths {
namespace {

QString homeOverride() {
    return qEnvironmentVariable("RUNVELLA_HOME");
}

} // namespace

QString dataDir() {
    const QString home = homeOverride();
    if (!home.isEmpty())
        return QDir(home).filePath("data");
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath("Runvella");
}

QString registryDir() {
    const QString home = homeOverride();
    if (!home.isEmpty())
        return QDir(home).filePath("registry");
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath("Runvella/registry");
}

QString databaseDir() {
    return QDir(dataDir()).filePath("database");
}
QString databasePath() {
    return QDir(databaseDir()).filePath("Runvella.db");
}
QString backupDatabasePath() {
    return QDir(databaseDir()).filePath("backup.db");
}
QString tempDatabasePath() {
    return QDir(databaseDir()).filePath("temp.db");
}
QString autoImportDir() {
    return QDir(dataDir()).filePath("data/autoimport");
}

QString programFile(const QString &executableDir, const QString &beside, const QString &installed) {
    const QDir folder(executableDir);
    const QString besideFile = folder.filePath(beside);
    if (QFileInfo::exists(besideFile))
        return besideFile;
    const QString installedFile = QDir::cleanPath(folder.filePath(installed));
    return QFileInfo::exists(installedFile) ? installedFile : besideFile;
}

QString libraryFile(const QString &name) {
    return programFile(QCoreApplication::applicationDirPath(), name, RUNVELLA_BIN_TO_LIB "/" + name);
}

QString helpDir() {
    return programFile(QCoreApplication::applicationDirPath(), "help", RUNVELLA_BIN_TO_HELP);
}

} // namespace platform::paths
