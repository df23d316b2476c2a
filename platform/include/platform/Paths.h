#pragma once

#include <QString>

// Where the program keeps its files. RUNVELLA_HOME, when set, holds both the data folder
// and the settings store; otherwise the XDG locations of the user are used.
namespace platform::paths {

QString dataDir();
QString registryDir();
QString databaseDir();
QString databasePath();
QString backupDatabasePath();
QString tempDatabasePath();
QString autoImportDir();

} // namespace platform::paths
