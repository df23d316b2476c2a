#include "charts/DurationAxis.h"

#include "charts/AxisSteps.h"

#include <cmath>

namespace charts {
namespace {

// A bound on the labels of one axis, whatever size the chart is said to have.
constexpr double kMostLabels = 1000;

// Three labels at the finest step stand in any range three steps wide.
constexpr double kLabelsInLeastSpan = 3;

// Labels less than a minute apart show their seconds.
bool inSeconds(double step) {
    return step < 1 - 1e-9;
}

} // namespace

DurationAxis::DurationAxis(const QString &separator, double minimumStep)
    : separator_(separator), minimumStep_(minimumStep) {}

void DurationAxis::setMinimumStep(double minutes) {
    minimumStep_ = minutes;
    step_ = 0;
    relabel();
}

void DurationAxis::setTitles(const QString &clock, const QString &withSeconds) {
    clockTitle_ = clock;
    secondsTitle_ = withSeconds;
    showTitle();
}

void DurationAxis::showTitle() {
    const QString &title = step_ > 0 && inSeconds(step_) ? secondsTitle_ : clockTitle_;
    if (!title.isEmpty() && title != titleText())
        setTitleText(title);
}

double DurationAxis::leastSpan() const {
    // The finest clock step that the minimum allows, whatever room its labels need.
    const auto anyRoom = [](double) { return 0.0; };
    return kLabelsInLeastSpan * durationLabelStep(0, anyRoom, minimumStep_);
}

void DurationAxis::relabel() {
    const double span = max() - min();
    const double widest = std::max(std::abs(min()), std::abs(max()));
    const double step = durationLabelStep(
        span > 0 ? pixels() / span : 0,
        [&](double step) { return labelExtent(clockText(widest, separator_, inSeconds(step))); },
        minimumStep_);
    if (step == step_ && min() == from_ && max() == to_)
        return;
    step_ = step;
    from_ = min();
    to_ = max();
    showTitle();

    QList<std::pair<QString, double>> labels;
    const double firstStep = std::ceil(min() / step - 1e-9);
    const double lastStep = std::floor(max() / step + 1e-9);
    for (double k = firstStep; k <= lastStep && k - firstStep < kMostLabels; ++k)
        labels.append({clockText(k * step, separator_, inSeconds(step)), k * step});
    setLabels(labels);
}

} // namespace charts
