#include "core/GpsDistance.h"

#include <gtest/gtest.h>

TEST(GpsDistanceTest, OneDegreeOfLatitudeIsTheFixedMileage) {
    EXPECT_DOUBLE_EQ(GpsDistance(10, 20, 11, 20), 69.1);
    EXPECT_DOUBLE_EQ(GpsDistance(11, 20, 10, 20), 69.1);
}

TEST(GpsDistanceTest, LongitudeShrinksWithTheFirstLatitudeOnly) {
    EXPECT_NEAR(GpsDistance(60, 0, 60, 1), 34.55, 0.01);
    // The cosine comes from the first point: swapping the points changes the result.
    EXPECT_NE(GpsDistance(60, 0, 61, 1), GpsDistance(61, 1, 60, 0));
}
