#include "sessionview/SessionSeries.h"
#include "core/LocaleScope.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

using namespace sessionview;
using Quantity = SessionGraphQuantity;
using Samples = std::vector<SessionSample>;

SessionSample heartRate(double seconds, double hr) {
    SessionSample sample;
    sample.seconds = seconds;
    sample.hr = hr;
    return sample;
}

SessionSample speed(double seconds, int dataType, double mph, double miles, std::optional<double> feet) {
    return {.seconds = seconds,
            .dataType = dataType,
            .speed = mph,
            .distance = miles,
            .altitude = feet,
            .hasPosition = dataType == kGpsSample};
}

GraphPreferences preferences(const char *unit, bool smoothing = true) {
    return {unit, smoothing, ":"};
}

std::vector<double> values(const GraphSeries &series) {
    std::vector<double> y;
    for (const GraphPoint &point : series.points)
        y.push_back(point.y);
    return y;
}

std::vector<double> times(const GraphSeries &series) {
    std::vector<double> x;
    for (const GraphPoint &point : series.points)
        x.push_back(point.x);
    return x;
}

// Three GPS samples 3.57 s apart; the athlete stops at the third.
const Samples kTrack{speed(0, kGpsSample, 6, 0.01, 100), speed(3.57, kGpsSample, 6, 0.02, 200),
                     speed(7.14, kGpsSample, 0, 0.02, 200)};

// Heart rate every 2 s, between them a speed sample without altitude and two GPS samples.
const Samples kJoined{heartRate(0, 120), speed(1, kGpsSample, 6, 0.01, 100), heartRate(2, 125),
                      speed(4.57, kSpeedSample, 6, 0.02, std::nullopt),
                      speed(8.14, kGpsSample, 6, 0.03, 200)};

TEST(SessionTable, EachLayoutListsItsColumnsLineByLine) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const Samples withoutGps{heartRate(0, 120), speed(1, kSpeedSample, 6, 0.01, std::nullopt),
                             heartRate(2, 125)};
    const struct {
        const char *name;
        SessionGraphData data;
        QStringList lines;
    } cases[] = {
        {"GPS activity: time, distance, speed, pace, altitude, elevation",
         DeriveSpeedGraph(kTrack, kGpsSession, Quantity::Speed, Quantity::Altitude, preferences("mi")),
         {"00:00:00\t0.01\t6\t10:00\t100\t0", "00:00:04\t0.02\t6\t05:57\t120\t20",
          "00:00:07\t0.02\t0\t99:59\t136\t36"}},
        {"GPS activity in kilometres: metres to one decimal",
         DeriveSpeedGraph(kTrack, kGpsSession, Quantity::Speed, Quantity::Altitude, preferences("km")),
         {"00:00:00\t0.016\t9.7\t06:11\t30.5\t0", "00:00:04\t0.032\t9.7\t03:42\t36.6\t6.1",
          "00:00:07\t0.032\t0\t99:59\t41.5\t11"}},
        {"speed activity: time, distance, speed, pace",
         DeriveSpeedGraph(kTrack, kSpeedSession, Quantity::Speed, Quantity::None, preferences("mi")),
         {"00:00:00\t0.01\t6\t10:00", "00:00:04\t0.02\t6\t05:57", "00:00:07\t0.02\t0\t99:59"}},
        {"GPS activity in yards: no altitude columns",
         DeriveSpeedGraph(kTrack, kGpsSession, Quantity::Speed, Quantity::None, preferences("yd")),
         {"00:00:00\t0.01\t6\t10:00", "00:00:04\t0.02\t6\t05:57", "00:00:07\t0.02\t0\t99:59"}},
        {"joined with GPS: heart-rate lines hold time and heart rate, a speed sample 0 for its heights",
         DeriveJoinedGraph(kJoined, Quantity::Speed, Quantity::HeartRate, preferences("mi")),
         {"00:00:00\t\t\t\t\t\t120", "00:00:01\t0.01\t6\t10:00\t100\t0\t", "00:00:02\t\t\t\t\t\t125",
          "00:00:05\t0.02\t6\t05:57\t0\t0\t", "00:00:08\t0.03\t6\t05:57\t120\t20\t"}},
        {"joined without GPS: time, distance, speed, pace, heart rate",
         DeriveJoinedGraph(withoutGps, Quantity::Speed, Quantity::HeartRate, preferences("mi")),
         {"00:00:00\t\t\t\t120", "00:00:01\t0.01\t6\t10:00\t", "00:00:02\t\t\t\t125"}},
        {"heart rate only: time and heart rate",
         DeriveHeartRateGraph({heartRate(0, 90), heartRate(2, 172)}),
         {"00:00:00\t90", "00:00:02\t172"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.data.lines.size(), c.lines.size());
        for (qsizetype i = 0; i < c.lines.size(); ++i)
            EXPECT_EQ(c.data.lines[i].toStdString(), c.lines[i].toStdString()) << "line " << i + 1;
    }
}

TEST(SessionTable, OnlyAJoinedTableDropsTheWindowOfThirtyUnitsOrMore) {
    Samples samples;
    for (int i = 0; i < 7; ++i)
        samples.push_back(speed(3.57 * i, kSpeedSample, 6, i + 1, std::nullopt));
    samples.push_back(speed(25, kSpeedSample, 6, 40, std::nullopt));

    const SessionGraphData joined =
        DeriveJoinedGraph(samples, Quantity::Pace, Quantity::None, preferences("mi"));
    EXPECT_TRUE(joined.lines.back().contains("\t99:59\t")) << joined.lines.back().toStdString();
    EXPECT_DOUBLE_EQ(joined.left.points.back().y, 0.01); // the chart plots the computed pace

    const SessionGraphData alone =
        DeriveSpeedGraph(samples, kSpeedSession, Quantity::Pace, Quantity::None, preferences("mi"));
    EXPECT_TRUE(alone.lines.back().endsWith("\t00:01")) << alone.lines.back().toStdString();
}

TEST(SessionTable, ASpeedIsConvertedWhateverThePaceBeforeIt) {
    // The second sample's pace comes out at exactly 99 minutes per kilometre.
    const Samples crawl{speed(0, kSpeedSample, 6, 0.01, std::nullopt),
                        speed(3.57, kSpeedSample, 6, 0.010373450363011327, std::nullopt),
                        speed(7.14, kSpeedSample, 6, 0.02, std::nullopt)};
    const SessionGraphData data =
        DeriveSpeedGraph(crawl, kSpeedSession, Quantity::Speed, Quantity::Pace, preferences("km"));
    EXPECT_EQ(values(data.right)[1], 99);
    EXPECT_EQ(values(data.left), (std::vector<double>{9.7, 9.7, 9.7}));
}

TEST(SessionSeries, ASpeedActivityPlotsBothSidesAtEverySample) {
    const SessionGraphData km =
        DeriveSpeedGraph(kTrack, kGpsSession, Quantity::Pace, Quantity::Elevation, preferences("km"));
    EXPECT_EQ(times(km.left), (std::vector<double>{0, 4, 7}));
    EXPECT_EQ(values(km.left), (std::vector<double>{6.19, 3.7, 99.98}));
    // Elevation starts at 0; kilometres turn feet into metres, unrounded on the chart.
    ASSERT_EQ(km.right.points.size(), 3u);
    EXPECT_DOUBLE_EQ(km.right.points[1].y, 20 * 0.3048);
    EXPECT_EQ(km.right.points[0].y, 0);

    const SessionGraphData nothingLeft =
        DeriveSpeedGraph(kTrack, kGpsSession, Quantity::None, Quantity::Altitude, preferences("mi", false));
    EXPECT_EQ(values(nothingLeft.left), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(nothingLeft.left.colour, QuantityColour(Quantity::Altitude));
    EXPECT_EQ(values(nothingLeft.right), (std::vector<double>{100, 140, 164}));
}

TEST(SessionSeries, AStoredSpeedIsPlottedUnroundedAloneAndToOneDecimalWhenJoined) {
    const Samples samples{heartRate(0, 120), speed(1, kSpeedSample, 6.26, 0.01, std::nullopt)};
    EXPECT_EQ(
        values(
            DeriveSpeedGraph(samples, kSpeedSession, Quantity::Speed, Quantity::None, preferences("mi")).left)
            .back(),
        6.26);
    EXPECT_EQ(
        values(DeriveJoinedGraph(samples, Quantity::Speed, Quantity::None, preferences("mi")).left).back(),
        6.3);
}

TEST(SessionSeries, AHeartRateLineNeverGetsZerosAndASideShowingNothingDoes) {
    using Values = std::vector<double>;
    const struct {
        const char *name;
        Quantity left;
        Quantity right;
        Values leftValues;
        Values rightValues;
    } cases[] = {
        {"heart rate left, speed right", Quantity::HeartRate, Quantity::Speed, {120, 125}, {6, 6, 6}},
        {"speed left, heart rate right", Quantity::Speed, Quantity::HeartRate, {6, 6, 6}, {120, 125}},
        {"heart rate on both sides", Quantity::HeartRate, Quantity::HeartRate, {120, 125}, {120, 125}},
        {"heart rate left, nothing right", Quantity::HeartRate, Quantity::None, {120, 125}, {0, 0}},
        {"nothing left, heart rate right", Quantity::None, Quantity::HeartRate, {0, 0, 0, 0, 0}, {120, 125}},
        {"altitude left, nothing right", Quantity::Altitude, Quantity::None, {100, 100, 120}, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SessionGraphData data = DeriveJoinedGraph(kJoined, c.left, c.right, preferences("mi"));
        EXPECT_EQ(values(data.left), c.leftValues);
        EXPECT_EQ(values(data.right), c.rightValues);
    }
}

TEST(SessionSeries, HeartRatePointsAreAtTheirOwnTimesAndADayOrMoreStaysAtItsLastSecond) {
    const SessionGraphData data =
        DeriveJoinedGraph({heartRate(0, 120), speed(1, kSpeedSample, 6, 0.01, std::nullopt),
                           heartRate(90000, 130), speed(90001, kSpeedSample, 6, 0.02, std::nullopt)},
                          Quantity::HeartRate, Quantity::Speed, preferences("mi"));
    EXPECT_EQ(times(data.left), (std::vector<double>{0, 86399}));
    EXPECT_EQ(times(data.right), (std::vector<double>{1, 86399}));
    EXPECT_TRUE(data.lines.back().startsWith("23:59:59\t"));
}

} // namespace
