#pragma once

#include "core/Globals.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// The main window's list of activities: how each line reads, and which days of the calendar are
// bold. The queries read gConn and throw platform::db::DbError when it fails.
namespace ActivityList {

// The abbreviated weekday and the start as the desktop writes a general date.
QString StartText(const QDateTime &start);

// Hours (as many digits as they take), minutes and whole seconds, joined by the time separator.
QString DurationText(double seconds);

// The description on one line: each line break becomes one blank; none gives one blank.
QString DescriptionText(const std::optional<QString> &description);

// A line's key ("_" and the activity's key) and the activity's key back from it.
QString ItemKey(SessionKey key);
std::optional<SessionKey> KeyOfItem(const QString &itemKey);

// For each of `count` days from startDay, whether it holds an activity.
std::vector<bool> DaysWithActivities(const QDate &startDay, int count);

// The day an activity belongs to; invalid when no activity has the key.
QDate DayOf(SessionKey key);

} // namespace ActivityList
