#pragma once

#include "charts/LabelledAxis.h"

#include <QString>

namespace charts {

// An axis of durations in minutes, labelled as clock readings "hh:mm" with real hours (a day and
// a half reads 36:00), "hh:mm:ss" while they stand less than a minute apart. Labels stand at whole
// clock steps no closer than the minimum step and far enough apart to be read.
class DurationAxis : public LabelledAxis {
public:
    explicit DurationAxis(const QString &separator = QStringLiteral(":"), double minimumStep = 10);

    void setMinimumStep(double minutes);
    // The minutes between two labels at present.
    double labelStep() const { return step_; }
    double leastSpan() const override;

protected:
    void relabel() override;

private:
    QString separator_;
    double minimumStep_;
    double step_ = 0;
    double from_ = 0;
    double to_ = -1;
};

} // namespace charts
