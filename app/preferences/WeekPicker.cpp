#include "preferences/WeekPicker.h"

namespace {

constexpr int kDaysInWeek = 7;

} // namespace

WeekPicker::WeekPicker(QWidget *parent) : QDateEdit(parent) {
    setKeyboardTracking(false);
}

void WeekPicker::stepBy(int steps) {
    setDate(date().addDays(qint64(steps) * kDaysInWeek));
}

QAbstractSpinBox::StepEnabled WeekPicker::stepEnabled() const {
    StepEnabled enabled = StepNone;
    if (date().addDays(kDaysInWeek) <= maximumDate())
        enabled |= StepUpEnabled;
    if (date().addDays(-kDaysInWeek) >= minimumDate())
        enabled |= StepDownEnabled;
    return enabled;
}
