#include "core/ActivityCalendar.h"

#include "core/Globals.h"
#include "core/modLocalisation.h"

#include <QCalendarWidget>
#include <QTextCharFormat>
#include <QToolButton>

#include <set>

namespace ActivityCalendar {
namespace {

constexpr int kCalendarName = 1854;
constexpr int kPreviousMonth = 1960;
constexpr int kNextMonth = 1961;

void nameButton(QCalendarWidget &calendar, const char *objectName, int id) {
    if (auto *button = calendar.findChild<QToolButton *>(objectName))
        button->setAccessibleName(modLocalisation::LoadResString(id));
}

} // namespace

void MarkActivityDays(QCalendarWidget &calendar) {
    const QDate firstOfMonth(calendar.yearShown(), calendar.monthShown(), 1);
    const QDate firstDay = firstOfMonth.addDays(-7);
    const QDate endDay = firstOfMonth.addDays(firstOfMonth.daysInMonth() + 14);
    auto days = gConn.prepare("select distinct session_date from sessions where session_date >= ? and "
                              "session_date < ?");
    days.bindAll(firstDay, endDay);
    std::set<QDate> withActivities;
    while (days.step())
        withActivities.insert(platform::db::parseIsoDate(days.columnText(0)));

    calendar.setDateTextFormat(QDate(), QTextCharFormat());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    for (const QDate &day : withActivities)
        calendar.setDateTextFormat(day, bold);
}

void Name(QCalendarWidget &calendar) {
    const QString name = modLocalisation::LoadResString(kCalendarName);
    calendar.setAccessibleName(name);
    calendar.focusProxy()->setAccessibleName(name);
    nameButton(calendar, "qt_calendar_prevmonth", kPreviousMonth);
    nameButton(calendar, "qt_calendar_nextmonth", kNextMonth);
}

} // namespace ActivityCalendar
