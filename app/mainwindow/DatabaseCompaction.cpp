#include "mainwindow/DatabaseCompaction.h"

#include "core/modDatabase.h"
#include "platform/Database.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"

#include <QFile>

namespace DatabaseCompaction {
namespace {

// A write-ahead log or its index beside the file means that a connection is open on it (or a
// program ended without closing it): the log's pages would be lost with the old file.
bool hasOpenLog(const QString &databasePath) {
    return QFile::exists(databasePath + "-wal") || QFile::exists(databasePath + "-shm");
}

bool writeCompactedCopy(const QString &databasePath, const QString &tempPath) {
    try {
        platform::db::Connection source;
        source.open(databasePath);
        source.prepare("VACUUM INTO ?").bind(1, tempPath).execute();
        source.close();
        return true;
    } catch (const platform::db::DbError &) {
        return false;
    }
}

} // namespace

bool IsDue(const QDate &today) {
    switch (today.day()) {
    case 5:
    case 10:
    case 15:
    case 20:
    case 25:
        return true;
    default:
        return false;
    }
}

Outcome Compact(const QString &databasePath, const QString &tempPath) {
    if (platform::files::openByAnotherProcess(databasePath) || hasOpenLog(databasePath))
        return Outcome::InUse;
    if (QFile::exists(tempPath) && !QFile::remove(tempPath))
        return Outcome::Failed;
    const bool replaced = writeCompactedCopy(databasePath, tempPath) && !hasOpenLog(databasePath) &&
                          platform::files::syncToDisk(tempPath) &&
                          platform::files::replaceAtomically(tempPath, databasePath);
    if (replaced)
        return Outcome::Compacted;
    QFile::remove(tempPath);
    return Outcome::Failed;
}

Outcome CompactIfDue(platform::db::Connection &connection, const QDate &today) {
    if (!IsDue(today))
        return Outcome::NotDue;
    const QString databasePath = connection.isOpen() ? connection.path() : platform::paths::databasePath();
    connection.close();
    Outcome outcome = Outcome::Failed;
    try {
        modDatabase::DeleteBackupDatabase();
        outcome = Compact(databasePath, platform::paths::tempDatabasePath());
    } catch (const std::exception &) {
        // The backup could not be removed: the database itself is left as it was.
    }
    connection.open(databasePath);
    return outcome;
}

} // namespace DatabaseCompaction
