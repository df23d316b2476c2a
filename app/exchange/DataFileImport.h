#pragma once

#include <QDateTime>
#include <QString>

#include <functional>

// Data files into the database, each as a new activity: importing the same file twice gives two
// activities. Database failures throw platform::db::DbError and store nothing.
namespace exchange {

// Changed: the file differed after the read from before it, in its size or its last changes, or
// its name had been given to another file, so that what was read may not be the whole file.
// HeldForWriting: a program held the file open for writing when it had been read.
enum class ImportOutcome {
    Imported,
    NotDataFile,
    NotRegularFile,
    Damaged,
    Unreadable,
    Changed,
    HeldForWriting,
    AlreadyStored
};

// What the automatic import asks of an import besides storing the activity.
struct ImportOptions {
    // Stores nothing (AlreadyStored) when an activity of the same start, duration and distance
    // is stored already: the import of this file was stopped after it had stored it.
    bool unlessStored = false;
    // Runs in the activity's transaction before it commits, to store with it what belongs to it.
    std::function<void()> storing = {};
    // Runs once the activity is stored, before the athlete is told.
    std::function<void()> stored = {};
    // The file's name for the athlete, when the path is not the name they know.
    QString knownAs = {};
    // The start of a file that gives none, when it is not to be the moment of the import.
    QDateTime startWhenNone = {};
    // Told, when the file is damaged, the line to blame and why, for the caller's message.
    std::function<void(const QString &lineAndReason)> damaged = {};
};

// Reads the file and stores what it holds as it reads, in one transaction: a damaged file stores
// nothing, however far it was read, and neither does one that changed while it was read. A sport
// that no row of the sports table has becomes sport 1. Only an ordinary file is opened, links
// followed: a device or a pipe might never end or never open. The busy pointer shows meanwhile,
// and a long import shows its progress and lets the windows repaint. A file that is no data file
// gets message 1623; one that is no ordinary file, message 1982; one that could not be read,
// message 1981 with the system's reason; a stored one gets message 1567 with its start, its day
// bold in the main window's calendar and the calendar's day listed again. A damaged file, or one
// still being written, shows nothing: the callers tell the athlete in their own ways, a damaged
// one with the line and reason that `damaged` is told.
ImportOutcome ImportFile(const QString &path, const ImportOptions &options = {});

} // namespace exchange
