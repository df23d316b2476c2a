#include "sessionview/SessionAxisRange.h"

#include <algorithm>

namespace sessionview {
namespace {

constexpr double kRoom = 5;
constexpr double kHiddenMaximum = 100000;
constexpr double kAllZeroMaximum = 500;

struct Extremes {
    double smallest = 0;
    double largest = 0;
};

// An empty series has 0 for both.
Extremes extremes(const std::vector<GraphPoint> &points) {
    if (points.empty())
        return {};
    const auto [low, high] = std::minmax_element(
        points.begin(), points.end(), [](const GraphPoint &a, const GraphPoint &b) { return a.y < b.y; });
    return {low->y, high->y};
}

// An axis without height cannot be drawn: it gets one unit.
AxisScale drawable(AxisScale scale) {
    if (!(scale.maximum > scale.minimum))
        scale.maximum = scale.minimum + 1;
    return scale;
}

} // namespace

AxisScale ScaleForSide(SessionGraphQuantity quantity, const std::vector<GraphPoint> &points, int sessionType,
                       PaceRange pace) {
    const Extremes values = extremes(points);
    switch (quantity) {
    case SessionGraphQuantity::None:
        return {0, kHiddenMaximum, false, false};
    case SessionGraphQuantity::Pace:
        return drawable({pace.fastest, pace.slowest, true, true});
    case SessionGraphQuantity::HeartRate:
        return drawable({0, values.largest + kRoom});
    case SessionGraphQuantity::Speed:
    case SessionGraphQuantity::Altitude:
    case SessionGraphQuantity::Elevation:
        break;
    }
    const bool speedActivity = sessionType == kSpeedSession || sessionType == kGpsSession;
    if (speedActivity && values.smallest == 0 && values.largest == 0)
        return {0, kAllZeroMaximum};
    AxisScale scale{values.smallest, values.largest};
    // A level series gets its room above too, so that its line stands inside the plot, not on its top.
    if (!points.empty())
        scale.maximum = values.largest + kRoom;
    scale.minimum = quantity == SessionGraphQuantity::Speed ? 0 : values.smallest - kRoom;
    return drawable(scale);
}

AxisScale HeartRateOnlyScale(const std::vector<GraphPoint> &points) {
    const Extremes values = extremes(points);
    // A level line gets room below too, so that it stands inside the plot, not on its floor.
    const bool level = !points.empty() && values.smallest == values.largest;
    return drawable({level ? values.smallest - kRoom : values.smallest, values.largest + kRoom});
}

} // namespace sessionview
