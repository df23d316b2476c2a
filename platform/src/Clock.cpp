#include "platform/Clock.h"

namespace platform::clock {
namespace {

QDate &fixedDay() {
    static QDate day;
    return day;
}

} // namespace

QDate today() {
    return fixedDay().isValid() ? fixedDay() : QDate::currentDate();
}

void setToday(const QDate &day) {
    fixedDay() = day;
}

} // namespace platform::clock
