#include "sessionview/SessionRowDerivation.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

using namespace sessionview;

TEST(PaceWindow, MeasuresPaceFromTheFirstSampleThenOverTheLastSix) {
    struct Sample {
        double distance;
        double speed;
        double pace;
    };
    const struct {
        const char *name;
        bool cap;
        std::vector<Sample> samples;
    } cases[] = {
        {"the first sample's pace comes from its speed", false, {{0.1, 6, 10}}},
        {"the first sample at distance 0 has no pace", false, {{0, 6, kNoPace}}},
        {"standing has no pace", false, {{0.1, 0, kNoPace}, {0.2, -1, kNoPace}}},
        {"a pace slower than the no-pace value is cut to it", false, {{0.1, 0.5, kNoPace}}},
        {"samples 1 to 6 measure from sample 0",
         false,
         {{0.01, 6, 10},
          {0.04, 6, 1.98},
          {0.06, 6, 2.38},
          {0.09, 6, 2.23},
          {0.10, 6, 2.64},
          {0.12, 6, 2.70},
          {0.14, 6, 2.75}}},
        {"a window whose distance did not grow has no pace", false, {{0.01, 6, 10}, {0.01, 6, kNoPace}}},
        {"from sample 7 on the window is the last six intervals",
         false,
         {{0.01, 6, 10},
          {0.02, 6, 5.95},
          {0.03, 6, 5.95},
          {0.04, 6, 5.95},
          {0.05, 6, 5.95},
          {0.06, 6, 5.95},
          {0.07, 6, 5.95},
          {0.13, 6, 3.25},
          {0.13, 6, 3.57}}},
        {"a later window that did not grow has no pace",
         false,
         {{1, 6, 10},
          {2, 6, 0.06},
          {3, 6, 0.06},
          {4, 6, 0.06},
          {5, 6, 0.06},
          {6, 6, 0.06},
          {7, 6, 0.06},
          {2, 6, kNoPace}}},
        {"without the cap a window of 30 units or more has a pace",
         false,
         {{1, 6, 10},
          {2, 6, 0.06},
          {3, 6, 0.06},
          {4, 6, 0.06},
          {5, 6, 0.06},
          {6, 6, 0.06},
          {7, 6, 0.06},
          {40, 6, 0.01}}},
        {"with the cap a window of 30 units or more has none",
         true,
         {{1, 6, 10},
          {2, 6, 0.06},
          {3, 6, 0.06},
          {4, 6, 0.06},
          {5, 6, 0.06},
          {6, 6, 0.06},
          {7, 6, 0.06},
          {40, 6, kNoPace},
          {41, 6, kNoPace}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        PaceWindow window(c.cap);
        for (std::size_t i = 0; i < c.samples.size(); ++i)
            EXPECT_DOUBLE_EQ(window.next(c.samples[i].distance, c.samples[i].speed), c.samples[i].pace)
                << "sample " << i;
    }
}

TEST(PaceText, WritesMinutesAndSeconds) {
    const struct {
        double pace;
        const char *separator;
        const char *text;
    } cases[] = {{7.5, ":", "07:30"},  {kNoPace, ":", "99:59"}, {10, ":", "10:00"},
                 {5.95, ":", "05:57"}, {0.06, ":", "00:04"},    {7.5, ".", "07.30"}};
    for (const auto &c : cases)
        EXPECT_EQ(PaceText(c.pace, c.separator), c.text) << c.pace;
}

TEST(Units, DistanceSpeedAndHeightFollowThePreferredUnit) {
    // 2 miles, 6 mph and 100 feet as stored.
    const struct {
        const char *unit;
        double distance;
        double speed;
        double height;
        bool listsAltitude;
    } cases[] = {
        {"mi", 2, 6.123, 100, true},        // as stored, speed not rounded
        {"km", 3.218688, 9.9, 30.48, true}, // speed to one decimal, metres
        {"nm", 1.737952, 5.3, 100, true},   // knots, but feet stay
        {"yd", 2, 6.123, 100, false},       // miles, and no altitude columns
        {"m", 2, 6.123, 100, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.unit);
        EXPECT_DOUBLE_EQ(DistanceInUnit(2, c.unit), c.distance);
        EXPECT_DOUBLE_EQ(SpeedInUnit(6.123, c.unit), c.speed);
        EXPECT_DOUBLE_EQ(HeightInUnit(100, c.unit), c.height);
        EXPECT_EQ(ListsAltitude(c.unit), c.listsAltitude);
    }
}

TEST(AltitudeSmoother, KeepsPartOfThePreviousAltitudeAndHoldsItOverGaps) {
    using Altitudes = std::vector<std::optional<double>>;
    const struct {
        const char *name;
        bool smoothing;
        Altitudes recorded;
        std::vector<double> smoothed;
    } cases[] = {
        {"weight 0.8 with smoothing", true, {100, 200, 200}, {100, 120, 136}},
        {"weight 0.6 without it", false, {100, 200, 200}, {100, 140, 164}},
        {"a missing altitude keeps the previous one", true, {100, std::nullopt, 200}, {100, 100, 120}},
        {"before the first altitude it is 0", true, {std::nullopt, 100, 200}, {0, 100, 120}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        AltitudeSmoother smoother(c.smoothing);
        for (std::size_t i = 0; i < c.recorded.size(); ++i)
            EXPECT_DOUBLE_EQ(smoother.next(c.recorded[i]), c.smoothed[i]) << "sample " << i;
    }
}

TEST(Elapsed, IsTheClockTextAndThatTimeOfDay) {
    const struct {
        double seconds;
        const char *text;
        double secondsOfDay;
    } cases[] = {{0, "00:00:00", 0},
                 {3.57, "00:00:04", 4},
                 {3725, "01:02:05", 3725},
                 {86400, "23:59:59", 86399},
                 {100000, "23:59:59", 86399}};
    for (const auto &c : cases) {
        const ElapsedTime elapsed = Elapsed(c.seconds);
        EXPECT_EQ(elapsed.text, c.text) << c.seconds;
        EXPECT_EQ(elapsed.secondsOfDay, c.secondsOfDay) << c.seconds;
    }
}

} // namespace
