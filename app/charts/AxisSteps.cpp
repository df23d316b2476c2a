#include "charts/AxisSteps.h"

#include <array>
#include <cmath>

namespace charts {
namespace {

constexpr double kMinutesPerDay = 1440;
constexpr std::array<double, 15> kClockSteps{1, 2, 5, 10, 15, 20, 30, 60, 120, 180, 240, 360, 480, 720, 1440};

QString twoDigits(long long value) {
    return QString::number(value).rightJustified(2, QLatin1Char('0'));
}

} // namespace

int bucketLabelStep(double pixelsPerBucket, double labelExtent) {
    if (!(pixelsPerBucket > 0) || !(labelExtent > 0))
        return 1;
    const double step = std::ceil(labelExtent / pixelsPerBucket);
    return step < 1 ? 1 : step > 1e9 ? 1000000000 : static_cast<int>(step);
}

double durationLabelStep(double pixelsPerMinute, double labelExtent, double minimumStep) {
    const auto fits = [&](double step) {
        return step >= minimumStep && (!(pixelsPerMinute > 0) || step * pixelsPerMinute >= labelExtent);
    };
    for (const double step : kClockSteps) {
        if (fits(step))
            return step;
    }
    double days = 2;
    while (!fits(days * kMinutesPerDay) && days < 1e9)
        days *= 2;
    return days * kMinutesPerDay;
}

double niceInterval(double range, int maxTicks) {
    if (!(range > 0) || maxTicks < 1)
        return 1;
    const double rough = range / maxTicks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (factor * power >= rough * (1 - 1e-9))
            return factor * power;
    }
    return 10 * power;
}

QString clockText(double minutes, const QString &separator) {
    const long long whole = std::llround(std::abs(minutes));
    const QString sign = minutes < 0 && whole != 0 ? QStringLiteral("-") : QString();
    return sign + twoDigits(whole / 60) + separator + twoDigits(whole % 60);
}

} // namespace charts
