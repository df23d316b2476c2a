#pragma once

class QCalendarWidget;

// Month calendars of the program's windows that show which days hold activities.
namespace ActivityCalendar {

// Of the days the calendar shows (its month and the ends of the months before and after),
// exactly those with at least one activity are bold. Reads gConn and throws
// platform::db::DbError when it fails.
void MarkActivityDays(QCalendarWidget &calendar);

} // namespace ActivityCalendar
