#pragma once

#include "core/SamplePoint.h"

#include <QString>

#include <vector>

namespace modHelpers {

// The average of a session's sample list. kind "speed": the last point's distance over its
// elapsed hours (0 when no time has passed). kind "hr": the mean heart rate over all points
// when includeZeros is not 0, otherwise over the points whose rate is not 0 (0 when all are).
// Any other kind, or an empty list, gives 0.
double AverageSampleValue(const std::vector<SamplePoint> &samples, int includeZeros, const QString &kind);

} // namespace modHelpers
