#pragma once

// What an installer would do once: on a machine where the data folder does not exist yet,
// create it with the initial database and the installer's settings.
namespace platform::install {

// Returns true when this call created the data folder. Throws platform::db::DbError when the
// initial database cannot be made; nothing half-made is left behind then.
bool ensureDataFolder();

// The string-table offset of the desktop's language when it is one the program speaks, else 0.
int languageOffsetFromLocale();

} // namespace platform::install
