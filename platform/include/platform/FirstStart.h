#pragma once

// What an installer would do once: while the data folder holds no database yet, create the
// folder, the installer's settings and the initial database.
namespace platform::install {

// Returns true when this call made the database. A start stopped half-way leaves no database,
// so the next call completes the installation; settings already present are kept. An empty
// database file is replaced as a missing one would be made. Throws
// platform::db::DbError when the initial database cannot be made.
bool ensureDataFolder();

// The string-table offset of the desktop's language when it is one the program speaks, else 0.
int languageOffsetFromLocale();

} // namespace platform::install
