#pragma once

#include <QDate>

class QCalendarWidget;

// The days that a month calendar shows: six weeks, from the week before the first of the
// shown month when the month starts on the first day of the week.
namespace MonthViewCells {

inline constexpr int kVisibleDays = 42;

// The day in cell index (1 the first cell, 42 the last).
QDate VisibleDay(const QCalendarWidget &calendar, int index);

} // namespace MonthViewCells
