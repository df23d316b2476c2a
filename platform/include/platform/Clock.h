#pragma once

#include <QDate>

// Today's date as the program takes it where a day decides what happens (the main window's
// periods and its compaction at close): the system's, unless it was fixed.
namespace platform::clock {

QDate today();

// Fixes the date that today() gives, so that tests behave alike on every day; an invalid date
// gives the system's again.
void setToday(const QDate &day);

} // namespace platform::clock
