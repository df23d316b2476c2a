#pragma once

#include <QDate>
#include <QString>

namespace platform::db {
class Connection;
}

// The database file is compacted when the main window closes on a few days of each month.
namespace DatabaseCompaction {

enum class Outcome {
    NotDue,    // not a compaction day: nothing was touched
    Compacted, // the file was replaced by its compacted copy
    InUse,     // another program holds the file: it was left as it was
    Failed,    // a step failed: the file was left as it was and no copy remains
};

// The 5th, 10th, 15th, 20th and 25th of a month.
bool IsDue(const QDate &today);

// On a compaction day: closes the connection, removes the left-over backup database, compacts
// the database file and opens the connection on it again.
Outcome CompactIfDue(platform::db::Connection &connection, const QDate &today);

// Writes a compacted copy of the database to tempPath (a left-over file there is removed first)
// and puts it in the database's place. No connection of this program may be open on it.
Outcome Compact(const QString &databasePath, const QString &tempPath);

} // namespace DatabaseCompaction
