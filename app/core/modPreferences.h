#pragma once

// Copies the one preferences row into the shared globals, resets the device receive buffers and
// empties the session records. Throws platform::db::DbError when the row is missing or one of
// its numbers is empty or out of range; the globals read so far keep their new values then.
namespace modPreferences {

void LoadPreferences();

} // namespace modPreferences
