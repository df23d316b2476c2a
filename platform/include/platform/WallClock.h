#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>

// Starts and moments are kept as the local clock reads them.
namespace platform::clock {

// The moment at which the local clock reads the day and time. A time that the clock skips where
// it is set forward is read with the offset in force before the gap, as a clock not yet set
// forward would show it: 2:30 in a gap from 2:00 to 3:00 gives 3:30.
QDateTime atWallClock(const QDate &day, const QTime &time);

} // namespace platform::clock
