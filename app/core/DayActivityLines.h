#pragma once

#include "core/Globals.h"

#include <QDate>

#include <functional>

class QTreeWidget;

// The lines of one day's activities in the merge and export windows.
namespace DayActivityLines {

// The item data of a line: "_" followed by the activity's key.
inline constexpr int kKeyRole = Qt::UserRole;

// Adds a line for each of the day's activities, in start order, that offered accepts: start,
// duration and description with the activity's icon, checkable when asked. Returns whether the
// day has any activity at all, offered or not. Throws platform::db::DbError.
bool AddDay(QTreeWidget &list, QDate day, const std::function<bool(SessionKey)> &offered, bool checkable);

} // namespace DayActivityLines
