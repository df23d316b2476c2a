#include "core/modHelpersSamples.h"

#include <gtest/gtest.h>

#include <algorithm>

using modHelpers::AverageSampleValue;

namespace {

std::vector<SamplePoint> heartRates(std::initializer_list<std::int16_t> rates) {
    std::vector<SamplePoint> points(rates.size());
    std::transform(rates.begin(), rates.end(), points.begin(), [](std::int16_t rate) {
        SamplePoint point;
        point.hr = rate;
        return point;
    });
    return points;
}

TEST(AverageSampleValue, SpeedIsTheLastPointsDistanceOverItsHours) {
    std::vector<SamplePoint> points(2);
    points[1].seconds = 1800;
    points[1].cumDistance = 5;
    EXPECT_DOUBLE_EQ(AverageSampleValue(points, 0, "speed"), 10);
    points[1].seconds = 0;
    EXPECT_EQ(AverageSampleValue(points, 0, "speed"), 0);
    EXPECT_EQ(AverageSampleValue({}, 0, "speed"), 0);
}

TEST(AverageSampleValue, HeartRateLeavesOutZerosUnlessAskedToCountThem) {
    const auto points = heartRates({0, 100, 120, 0});
    EXPECT_DOUBLE_EQ(AverageSampleValue(points, 0, "hr"), 110);
    EXPECT_DOUBLE_EQ(AverageSampleValue(points, 1, "hr"), 55);
    EXPECT_EQ(AverageSampleValue(heartRates({0, 0}), 0, "hr"), 0);
    EXPECT_EQ(AverageSampleValue({}, 0, "hr"), 0);
    // A long session's sum goes far beyond 16 bits.
    EXPECT_DOUBLE_EQ(AverageSampleValue(std::vector<SamplePoint>(20000, heartRates({200})[0]), 0, "hr"), 200);
}

} // namespace
