#include "core/modHelpersSamples.h"

#include <cstdint>

namespace modHelpers {
namespace {

double averageSpeed(const SamplePoint &last) {
    const double hours = last.seconds / 3600;
    return hours == 0 ? 0 : last.cumDistance / hours;
}

double averageHeartRate(const std::vector<SamplePoint> &samples, int includeZeros) {
    std::int64_t sum = 0;
    std::size_t zeros = 0;
    for (const SamplePoint &point : samples) {
        sum += point.hr;
        if (point.hr == 0)
            ++zeros;
    }
    const std::size_t count = samples.size();
    if (includeZeros != 0 || zeros == count)
        return static_cast<double>(sum) / count;
    return static_cast<double>(sum) / (count - zeros);
}

} // namespace

double AverageSampleValue(const std::vector<SamplePoint> &samples, int includeZeros, const QString &kind) {
    if (samples.empty())
        return 0;
    if (kind == QLatin1String("speed"))
        return averageSpeed(samples.back());
    if (kind == QLatin1String("hr"))
        return averageHeartRate(samples, includeZeros);
    return 0;
}

} // namespace modHelpers
