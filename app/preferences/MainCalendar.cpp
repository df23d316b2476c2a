#include "preferences/MainCalendar.h"

#include "core/Globals.h"
#include "mainwindow/MainWindowServices.h"

#include <QCalendarWidget>

namespace preferences {

void ShowWeekStartInMainCalendar() {
    QWidget *main = mainwindow::Window();
    if (!main)
        return;
    if (auto *calendar = main->findChild<QCalendarWidget *>("MonthView1"))
        calendar->setFirstDayOfWeek(gStartOfWeek == QLatin1String("Monday") ? Qt::Monday : Qt::Sunday);
}

} // namespace preferences
