#pragma once

#include "core/Globals.h"

#include <QDate>
#include <QString>

#include <vector>

namespace preferences {

// The first day of the week that holds the day, weeks starting on firstDay.
QDate WeekStartOn(const QDate &day, Qt::DayOfWeek firstDay);

// Makes weeks start on "Monday" or "Sunday" ("Sunday" for any other text): stores the
// preference and moves every weekly goal to the first day of the new week that holds most of
// its own week, all in one transaction, so each goal stays with the days it was set for.
// A goal whose new first day already holds goals stays where it was, and nothing is
// overwritten; the returned list names those weeks by their stored first day. Throws
// platform::db::DbError, having changed nothing.
std::vector<QDate> ChangeStartOfWeek(platform::db::Connection &connection, const QString &firstDay);

} // namespace preferences
