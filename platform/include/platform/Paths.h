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

// Read-only files of the program: beside the executable in a build tree, or in the library and
// data folders of the prefix it was installed into.
QString libraryFile(const QString &name);
QString helpDir();
// The rule both follow, for a given folder of the executable.
QString programFile(const QString &executableDir, const QString &beside, const QString &installed);

} // namespace platform::paths
