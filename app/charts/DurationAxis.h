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
    // Titles the axis by the form of its labels: the first title while they read hours and
    // minutes, the second while they show seconds too.
    void setTitles(const QString &clock, const QString &withSeconds);
    // The minutes between two labels at present.
    double labelStep() const { return step_; }
    double leastSpan() const override;

protected:
    void relabel() override;

private:
    void showTitle();

    QString separator_;
    QString clockTitle_;
    QString secondsTitle_;
    double minimumStep_;
    double step_ = 0;
    double from_ = 0;
    double to_ = -1;
};

} // namespace charts
