#include "platform/Paths.h"

#include <QDir>
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

} // namespace platform::paths
