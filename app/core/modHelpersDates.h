#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

// Dates for statements, weeks, and the user's date and time conventions.
namespace modHelpers {

// A value's date as the text the database stores and compares dates in ("2005-12-25"), for
// binding into statements; empty text when the value holds no date. It stands where a
// month-first date literal (FormatDateMDY) was written into statements.
QString FormatIsoDate(const QVariant &value);

// The first day of the week that holds the day: weeks start on Monday when gStartOfWeek is
// exactly "Monday", otherwise on Sunday. A time of day stays as it was.
QDate GetWeekStart(const QDate &day);
QDateTime GetWeekStart(const QDateTime &moment);

// The user's time and date separators: the first character that is not a digit in the present
// time (or today's date) written in the short layout; empty when there is none.
QString FormatShortTime();
QString FormatShortDate();
inline QString GetTimeSeparator() {
    return FormatShortTime();
}
inline QString GetDateSeparator() {
    return FormatShortDate();
}

// The user's short date order as "dd", "mm" and "yyyy" joined by "/" ("dd/mm/yyyy" on a day-first
// system), found by writing 25 August 1958 in the short layout. The separator that layout uses
// goes to *separator. Empty when the order cannot be told.
QString GetDateOrderPattern(QString *separator = nullptr);

// A short day label in the user's order: day, separator, month when the order starts with the
// day; month, separator, day otherwise. No leading zeros.
QString ToLocalDateOrder(int month, int day);

// "MM-DD-YYYY" rearranged into the user's order and joined by "/": day-first systems get
// DD/MM/YYYY, month-first MM/DD/YYYY, year-first YYYY/MM/DD; empty for any other order.
QString ToSystemDateText(const QString &monthDayYear);

} // namespace modHelpers
