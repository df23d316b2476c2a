#pragma once

#include "core/Globals.h"

#include <QString>

#include <cstdint>

// The sports that activities are kept under. Sport 1 "General" takes the activities of a sport
// that goes. Failures throw platform::db::DbError.
namespace preferences {

inline constexpr std::int64_t kGeneralSport = 1;

// Adds a sport under the name exactly as typed; a name already used is added again.
void AddSport(platform::db::Connection &connection, const QString &name);

std::int64_t CountActivitiesOfSport(platform::db::Connection &connection, std::int64_t key);

// Deletes the sport after moving its activities to sport 1, and, when it was the preferred
// sport, makes sport 1 the preferred one: all of it or nothing.
void DeleteSport(platform::db::Connection &connection, std::int64_t key, bool wasPreferred);

void StorePrimarySport(platform::db::Connection &connection, std::int64_t key);

} // namespace preferences
