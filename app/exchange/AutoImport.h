#pragma once

#include <QString>

// The automatic import of the data files that wait in the automatic import folder.
namespace exchange {

// Imports each ".csv" file of the folder once, in name order, and deletes it as soon as its
// activity is stored, before the athlete is told; an import stopped at any moment is finished by
// the next call with the activity stored once. A file that a program holds open for writing, that
// changed in the last two seconds, or that changes while it is read, is still being written: it
// keeps its name, quietly, for a later start. A file that could not be imported is never lost:
// one that could not be read stays as it is, to be tried again at the next start; a damaged one
// is deleted only when the athlete says so; any other, a device or a pipe among them, is renamed
// to end in "_" (run.csv becomes run.cs_, or run-2.cs_ when that exists) so that it is not
// offered again. A missing folder imports nothing; one whose files the program may not take says
// so, naming it, when a file to import waits there or it cannot be seen, and imports nothing. A
// file that the program may not rename, as another user's in a shared folder, stays, and is named
// with the system's reason once a start. Database failures throw platform::db::DbError and leave
// the remaining files where they are.
void ImportAutomatically();

} // namespace exchange
