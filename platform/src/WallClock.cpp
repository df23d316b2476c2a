#include "platform/WallClock.h"

namespace platform::clock {

QDateTime atWallClock(const QDate &day, const QTime &time) {
    const QDateTime moment(day, time);
    if (moment.isValid() || !day.isValid() || !time.isValid())
        return moment;
    // The clocks never go forward twice in two days.
    const int offsetBefore = QDateTime(day.addDays(-1), time).offsetFromUtc();
    return QDateTime(day, time, Qt::UTC).addSecs(-offsetBefore).toLocalTime();
}

} // namespace platform::clock
