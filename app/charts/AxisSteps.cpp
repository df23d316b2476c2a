#include "charts/AxisSteps.h"

#include <array>
#include <cmath>

namespace charts {
namespace {

constexpr double kMinutesPerDay = 1440;
constexpr double kSecond = 1.0 / 60;
constexpr std::array<double, 21> kClockSteps{
    kSecond, 2 * kSecond, 5 * kSecond, 10 * kSecond, 15 * kSecond, 30 * kSecond, 1,   2,   5,   10,  15,
    20,      30,          60,          120,          180,          240,          360, 480, 720, 1440};
// A bound on the tries for an interval whose labels fit.
constexpr int kMostTries = 64;

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

double durationLabelStep(double pixelsPerMinute, const std::function<double(double step)> &labelExtent,
                         double minimumStep) {
    const auto fits = [&](double step) {
        return step >= minimumStep - 1e-9 &&
               (!(pixelsPerMinute > 0) || step * pixelsPerMinute >= labelExtent(step));
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

double valueTickInterval(double range, double length, int maxTicks,
                         const std::function<double(double interval)> &labelExtent) {
    double interval = niceInterval(range, maxTicks);
    if (!(range > 0) || !(length > 0))
        return interval;
    for (int tries = 0; tries < kMostTries && interval < range; ++tries) {
        if (interval / range * length >= labelExtent(interval))
            break;
        interval = niceInterval(interval * 1.001, 1);
    }
    return interval;
}

int decimalsOf(double interval) {
    constexpr int kMostDecimals = 12;
    double scaled = std::abs(interval);
    for (int decimals = 0; decimals < kMostDecimals; ++decimals, scaled *= 10) {
        if (std::abs(scaled - std::round(scaled)) <= 1e-6 * std::max(1.0, scaled))
            return decimals;
    }
    return kMostDecimals;
}

QString clockText(double minutes, const QString &separator, bool withSeconds) {
    const long long whole = std::llround(std::abs(minutes) * (withSeconds ? 60 : 1));
    const QString sign = minutes < 0 && whole != 0 ? QStringLiteral("-") : QString();
    if (!withSeconds)
        return sign + twoDigits(whole / 60) + separator + twoDigits(whole % 60);
    return sign + twoDigits(whole / 3600) + separator + twoDigits(whole / 60 % 60) + separator +
           twoDigits(whole % 60);
}

} // namespace charts
