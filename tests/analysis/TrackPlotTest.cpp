#include "analysis/TrackPlot.h"
#include "core/LocaleScope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace analysis;

namespace {

constexpr double kRadians = std::numbers::pi / 180;

CourseSample fix(double seconds, double miles, double latitude, double longitude, int status = 3,
                 double feet = 100) {
    CourseSample sample;
    sample.time = seconds;
    sample.distance = miles;
    sample.altitude = feet;
    sample.latitude = latitude;
    sample.longitude = longitude;
    sample.dataType = 2;
    sample.fixStatus = status;
    return sample;
}

// Northwards from the equator, a sample every 0.05 mile to 2.0 miles.
std::vector<CourseSample> northwards(double lastMiles = 2.0) {
    std::vector<CourseSample> samples;
    for (int i = 0; 0.05 * i <= lastMiles + 1e-9; ++i)
        samples.push_back(fix(18.0 * i, 0.05 * i, 0.05 * i / 69.1, 10));
    return samples;
}

TrackPlot plotFor(const std::vector<CourseSample> &samples, float interval = 1) {
    const CourseSettings settings{.interval = interval, .unit = "mi", .withPositions = true};
    return PlotTrack(samples, FillData(samples, {}, settings));
}

TEST(PlotTrack, NumberedMarkersPerIntervalLeaveOutTheOneOnTheEnd) {
    const struct {
        double lastMiles;
        float interval;
        std::vector<int> numbers;
    } cases[] = {
        {2.0, 1, {1}}, // the marker at 2.0 is the end
        {2.1, 1, {1, 2}},
        {2.1, 0.5, {1, 2, 3, 4}},
        {2.1, 0.25, {1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const auto &c : cases) {
        const TrackPlot plot = plotFor(northwards(c.lastMiles), c.interval);
        std::vector<int> numbers;
        for (const TrackMarker &marker : plot.markers)
            numbers.push_back(marker.number);
        EXPECT_EQ(numbers, c.numbers) << c.lastMiles << " every " << c.interval;
        ASSERT_FALSE(plot.markers.empty());
        EXPECT_NEAR(plot.markers[0].at.y(), c.interval / 69.1 * kRadians, 1e-9);
    }
}

TEST(PlotTrack, StartEndAndTrackAreTheFixedPositionsInOrder) {
    const std::vector<CourseSample> samples{fix(0, 0, 0, 0, 0), fix(10, 0.1, 45, -73),
                                            fix(20, 0.2, 45.01, -73.01), fix(30, 0.3, 0, 0, 1),
                                            fix(40, 0.4, 45.02, -73)};
    const TrackPlot plot = plotFor(samples);
    ASSERT_EQ(plot.track.size(), 3u);
    EXPECT_EQ(plot.start, plot.track.front());
    EXPECT_EQ(plot.end, plot.track.back());
    EXPECT_DOUBLE_EQ(plot.track.front().y(), 45 * kRadians);
    // Positions without a fix neither draw nor widen the box.
    EXPECT_EQ(plot.box.minLatitude, 45);
    EXPECT_EQ(plot.box.maxLatitude, 45.02);
    EXPECT_EQ(plot.box.minLongitude, -73.01);
    EXPECT_EQ(plot.box.maxLongitude, -73);
}

TEST(PlotTrack, LongitudesDrawCloserByTheCosineOfTheMiddleLatitude) {
    const TrackPlot plot = plotFor({fix(0, 0, 59, 10), fix(10, 0.1, 61, 12)});
    const double middle = 11 * kRadians;
    EXPECT_NEAR(plot.track[0].x(), middle - std::cos(60 * kRadians) * kRadians, 1e-12);
    EXPECT_NEAR(plot.track[1].x(), middle + std::cos(60 * kRadians) * kRadians, 1e-12);
    EXPECT_NEAR(plot.width, kRadians, 1e-12);
    EXPECT_NEAR(plot.height, 2 * kRadians, 1e-12);
}

TEST(PlotTrack, BothAxesSpanTheLongerSideOfTheBox) {
    const struct {
        const char *name;
        std::vector<CourseSample> samples;
        AxisRange horizontal; // degrees on the drawn plane
        AxisRange vertical;
    } cases[] = {
        {"as wide as high", {fix(0, 0, -0.5, 10), fix(10, 0.1, 0.5, 11)}, {10, 11}, {-0.5, 0.5}},
        {"higher than wide", {fix(0, 0, -1, 10), fix(10, 0.1, 1, 11)}, {9.5, 11.5}, {-1, 1}},
        {"wider than high", {fix(0, 0, -0.25, 10), fix(10, 0.1, 0.25, 11)}, {10, 11}, {-0.5, 0.5}},
        {"nothing fixed: the first position alone",
         {fix(0, 0, 45, -73, 0), fix(10, 0.1, 46, -72, 1)},
         {-73, -73},
         {45, 45}},
    };
    for (const auto &c : cases) {
        const TrackPlot plot = plotFor(c.samples);
        EXPECT_NEAR(plot.horizontal.min, c.horizontal.min * kRadians, 1e-4 * kRadians) << c.name;
        EXPECT_NEAR(plot.horizontal.max, c.horizontal.max * kRadians, 1e-4 * kRadians) << c.name;
        EXPECT_NEAR(plot.vertical.min, c.vertical.min * kRadians, 1e-12) << c.name;
        EXPECT_NEAR(plot.vertical.max, c.vertical.max * kRadians, 1e-12) << c.name;
        EXPECT_NEAR(plot.horizontal.span(), plot.vertical.span(), 1e-12) << c.name;
    }
    const TrackPlot square = plotFor(cases[0].samples);
    EXPECT_EQ(square.width, square.height);
    EXPECT_EQ(square.vertical.min, -0.5 * kRadians);

    const TrackPlot unfixed = plotFor(cases[3].samples);
    EXPECT_EQ(unfixed.width, 0);
    EXPECT_EQ(unfixed.height, 0);
    EXPECT_EQ(unfixed.horizontal.min, unfixed.horizontal.max);
    EXPECT_EQ(unfixed.vertical.min, unfixed.vertical.max);
    EXPECT_TRUE(unfixed.track.empty());
    EXPECT_FALSE(unfixed.start);
}

TEST(PlotTrack, NoSamplesNoPlot) {
    const TrackPlot plot = PlotTrack({}, {});
    EXPECT_TRUE(plot.track.empty());
    EXPECT_TRUE(plot.markers.empty());
}

TEST(TrackTableLines, SmoothedAltitudesInMetresOrFeet) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::vector<CourseSample> samples{fix(0, 0, 45.5, -122.25, 3, 100),
                                            fix(3725, 0.1, 45.5, -122.25, 3, 110)};
    const QStringList feet = TrackTableLines(samples, "mi", false);
    ASSERT_EQ(feet.size(), 3);
    EXPECT_EQ(feet[0], "Time\tLatitude\tLongitude\tAltitude (feet)");
    EXPECT_EQ(feet[1], QString::fromUtf8("00:00:00\tN 45° 30' 0\"\tW 122° 15' 0\"\t100"));
    EXPECT_EQ(feet[2].section('\t', 0, 0), "01:02:05");
    EXPECT_EQ(feet[2].section('\t', 3), "104");

    const QStringList metres = TrackTableLines(samples, "km", true);
    EXPECT_EQ(metres[0].section('\t', 3), "Altitude (meters)");
    EXPECT_EQ(metres[1].section('\t', 3), "30.5"); // 30.48
    EXPECT_EQ(metres[2].section('\t', 3), "31.1"); // 0.8 x 30.5 + 0.2 x 33.528
}

TEST(TrackTableLines, ASampleWithoutAltitudeKeepsTheSmoothedAltitude) {
    std::vector<CourseSample> samples{fix(0, 0, 45.5, -122.25), fix(60, 0.1, 45.5, -122.25),
                                      fix(120, 0.2, 45.5, -122.25, 3, 110)};
    samples[0].altitude.reset();
    const QStringList lines = TrackTableLines(samples, "mi", false);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[1].section('\t', 3), "");
    EXPECT_EQ(lines[2].section('\t', 3), "100");
    EXPECT_EQ(lines[3].section('\t', 3), "104");
}

} // namespace
