#include "mainwindow/MonthViewCells.h"

#include <QCalendarWidget>

namespace MonthViewCells {

QDate VisibleDay(const QCalendarWidget &calendar, int index) {
    const QDate firstOfMonth(calendar.yearShown(), calendar.monthShown(), 1);
    int daysBefore = (firstOfMonth.dayOfWeek() - calendar.firstDayOfWeek() + 7) % 7;
    if (daysBefore == 0)
        daysBefore = 7;
    return firstOfMonth.addDays(index - 1 - daysBefore);
}

} // namespace MonthViewCells
