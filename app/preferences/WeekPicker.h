#pragma once

#include <QDateEdit>

// A date picker that chooses a week: Up, Down and the mouse wheel move a week at a time, and a
// typed date counts only once the typing ends (Enter, or the focus leaving), so that moving the
// date to its week's first day never cuts into the digits being typed.
class WeekPicker : public QDateEdit {
    Q_OBJECT

public:
    explicit WeekPicker(QWidget *parent = nullptr);

    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
};
