#include "core/Numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Numbers, ToSingleKeepsValuesBeyondFloatsRangeAtItsLargest) {
    constexpr double infinity = std::numeric_limits<double>::infinity();
    constexpr float largest = std::numeric_limits<float>::max();
    constexpr float singleInfinity = std::numeric_limits<float>::infinity();
    const struct {
        double value;
        float single;
    } cases[] = {
        {12.345, 12.345f},  {1e300, largest},           {-1e300, -largest},
        {largest, largest}, {infinity, singleInfinity}, {-infinity, -singleInfinity},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Numbers::toSingle(c.value), c.single) << c.value;
    EXPECT_TRUE(std::isnan(Numbers::toSingle(std::nan(""))));
}

} // namespace
