#pragma once

#include <cstdint>

// The one preferences row. Each call throws platform::db::DbError when the database fails.
namespace modPreferences {

// Copies the row into the shared globals, resets the device receive buffers and empties the
// session records. Throws also when the row is missing or one of its numbers is empty or out of
// range; the globals read so far keep their new values then.
void LoadPreferences();

// Copies the stored smoothing choice into gUseSmoothing; without a row it stays as it is.
void LoadSmoothing();

// The checkpoint a transfer writes as it goes: anything but 0 when no transfer runs means one
// was interrupted. 0 without a row.
std::int64_t TransferProgress();
void StoreTransferProgress(int checkpoint);

// Heart-rate zones are kept as the athlete entered them from now on ("man"), also in
// gComputeZonesUsing.
void KeepZonesAsEntered();

} // namespace modPreferences
