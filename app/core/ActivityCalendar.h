#pragma once

class QCalendarWidget;

// Month calendars of the program's windows that show which days hold activities.
namespace ActivityCalendar {

// Of the days the calendar shows (its month and the ends of the months before and after),
// exactly those with at least one activity are bold. Reads gConn and throws
// platform::db::DbError when it fails.
void MarkActivityDays(QCalendarWidget &calendar);

// Names the calendar for screen readers in the chosen language, and the table of its days too:
// that table takes the calendar's focus, so it is what they announce. Its buttons to the month
// before and after get their names as well.
void Name(QCalendarWidget &calendar);

} // namespace ActivityCalendar
