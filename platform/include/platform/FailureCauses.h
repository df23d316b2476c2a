#pragma once

#include <QString>

#include <exception>
#include <map>
#include <optional>

// What stopped a database or file operation, said so that the athlete knows what to do, with the
// engine's or the system's own text kept as a detail line.
namespace platform::failures {

enum class Cause {
    InUse,    // another program holds the database
    DiskFull, // the disk (or the file size the system allows) is exhausted
    ReadOnly, // the file or its folder may not be written
    Damaged,  // the file is not a database or no longer a whole one
    NotFound, // the file is missing
    Other,
};

// The cause of an SQLite result code (primary or extended) and the system error number that came
// with it, or of a system error number alone when the code is 0.
Cause causeOf(int sqliteCode, int systemError);

// The cause of a database failure; none for any other failure.
std::optional<Cause> causeOf(const std::exception &failure);

// The sentence of each cause in the program's language. Without one a failure shows its own text.
void setCauseTexts(std::map<Cause, QString> texts);

// The sentence of the failure's cause, a blank line and the failure's own text; a failure that
// is not the database's shows its own text alone.
QString describe(const std::exception &failure);
// What failed, then the failure: the database's on lines of their own below it, any other's own
// text after a space (and after the number the caller gives such a failure, if it gives one).
QString describe(const QString &whatFailed, const std::exception &failure,
                 std::optional<int> otherNumber = std::nullopt);

} // namespace platform::failures
