#pragma once

#include "core/ActivityRows.h"

#include <functional>
#include <vector>

class QTreeWidget;

// The lines of one day's activities in the merge and export windows.
namespace DayActivityLines {

// The item data of a line: "_" followed by the activity's key.
inline constexpr int kKeyRole = Qt::UserRole;

// Adds a line for each of the activities that offered accepts: start, duration and description
// with the activity's icon, checkable when asked.
void Add(QTreeWidget &list, const std::vector<ActivityRow> &activities,
         const std::function<bool(SessionKey)> &offered, bool checkable);

} // namespace DayActivityLines
