#include "ResultBufferBuilder.h"

#include "transfer/GpsTrackDecoding.h"

#include <gtest/gtest.h>

using namespace testing;

namespace {

const Moment kStart{2026, 5, 2, 9, 0, 0};
const Moment kEnd{2026, 5, 2, 10, 0, 0};

DecodedTrack decode(std::uint8_t mode, const Bytes &records) {
    return DecodeGpsRecords(speedGpsSession(mode, kStart, records, kEnd));
}

std::vector<SamplePoint> withRawDistances(std::initializer_list<float> readings) {
    std::vector<SamplePoint> points;
    for (float reading : readings) {
        SamplePoint &point = points.emplace_back();
        point.rawDistance = point.cumDistance = reading;
    }
    return points;
}

TEST(GpsTrackDecodingTest, SpeedRecordsArePoints357SecondsApartWithoutPosition) {
    const DecodedTrack track =
        decode(1, concat({speedRecord(125, 10), speedRecord(130, 20), speedRecord(0, 4095)}));
    ASSERT_EQ(track.points.size(), 3u);
    EXPECT_FALSE(track.corrupted);
    EXPECT_DOUBLE_EQ(track.points[1].seconds, 3.57);
    EXPECT_DOUBLE_EQ(track.points[2].seconds, 7.14);
    EXPECT_FLOAT_EQ(track.points[0].speed, 12.5f);
    EXPECT_FLOAT_EQ(track.points[2].rawDistance, 4.095f);
    EXPECT_TRUE(track.points[1].latText.isEmpty());
}

TEST(GpsTrackDecodingTest, TimeMarkRepeatsThePreviousPointOneStepLater) {
    const DecodedTrack track =
        decode(1, concat({timeMark(), speedRecord(100, 5), timeMark(), speedRecord(110, 9)}));
    ASSERT_EQ(track.points.size(), 3u);
    EXPECT_DOUBLE_EQ(track.points[1].seconds, 3.57);
    EXPECT_FLOAT_EQ(track.points[1].speed, 10.0f);
    EXPECT_DOUBLE_EQ(track.points[2].seconds, 7.14);
}

TEST(GpsTrackDecodingTest, GpsRecordsCarryPositionAltitudeAndHeadings) {
    const DecodedTrack track = decode(5, gpsRecord({.speedTenths = 55,
                                                    .distanceThousandths = 300,
                                                    .status = 2,
                                                    .altitude = 120,
                                                    .latitude = 45.5,
                                                    .longitude = -73.25,
                                                    .trueHeading = 90,
                                                    .magHeading = 104}));
    ASSERT_EQ(track.points.size(), 1u);
    const SamplePoint &point = track.points[0];
    EXPECT_EQ(point.altitude, 120);
    EXPECT_NEAR(point.latText.toDouble(), 45.5, 1e-4); // 2^23 units are 180 degrees
    EXPECT_NEAR(point.longText.toDouble(), -73.25, 1e-4);
    EXPECT_FLOAT_EQ(point.trueHeading, 90);
    EXPECT_FLOAT_EQ(point.magHeading, 104);
    EXPECT_EQ(point.statusText, "2");
    // The same record in a speed-only session gives no position.
    EXPECT_TRUE(decode(1, gpsRecord({.latitude = 45.5})).points[0].latText.isEmpty());
}

TEST(GpsTrackDecodingTest, UnknownOrCutShortRecordKeepsThePointsBeforeIt) {
    const Bytes good = concat({speedRecord(100, 5), speedRecord(100, 6)});
    for (const Bytes &bad : {concat({Bytes{0x25, 1, 2, 3, 4}, speedRecord(100, 7)}), Bytes{0x15, 1, 2}}) {
        const DecodedTrack track = decode(1, concat({good, bad}));
        EXPECT_TRUE(track.corrupted);
        EXPECT_EQ(track.points.size(), 2u);
    }
}

TEST(GpsTrackDecodingTest, DistanceCounterWrapsGlitchesAndStartsAtZero) {
    auto wrap = withRawDistances({4.090f, 0.010f});
    CleanGpsTrack(wrap, false);
    EXPECT_NEAR(wrap[1].cumDistance - wrap[0].cumDistance, 0.015, 1e-6);

    auto glitch = withRawDistances({0, 2.000f, 1.000f});
    CleanGpsTrack(glitch, false);
    EXPECT_FLOAT_EQ(glitch[2].cumDistance, 2.0f);

    auto offset = withRawDistances({1.234f, 1.500f, 1.234f, 1.000f});
    CleanGpsTrack(offset, false);
    EXPECT_FLOAT_EQ(offset[0].cumDistance, 0);
    EXPECT_NEAR(offset[1].cumDistance, 0.266, 1e-6);
    EXPECT_NEAR(offset[3].cumDistance, 0.266, 1e-6); // a glitch holds the distance
}

TEST(GpsTrackDecodingTest, SpeedSpikesAreFlattenedOnlyWhenAsked) {
    const auto speeds = [](bool filter, std::initializer_list<float> values) {
        std::vector<SamplePoint> points;
        for (float value : values)
            points.emplace_back().speed = value;
        CleanGpsTrack(points, filter);
        std::vector<float> out;
        for (const SamplePoint &point : points)
            out.push_back(point.speed);
        return out;
    };
    EXPECT_EQ(speeds(true, {10, 10, 40, 10, 10, 10}), (std::vector<float>{10, 10, 10, 10, 10, 10}));
    EXPECT_EQ(speeds(false, {10, 10, 40, 10, 10, 10}), (std::vector<float>{10, 10, 40, 10, 10, 10}));
    EXPECT_EQ(speeds(true, {10, 10, 30, 10, 10, 10}), (std::vector<float>{10, 10, 30, 10, 10, 10}));
    // The end points are extrapolated from their two inner neighbours.
    EXPECT_EQ(speeds(true, {50, 9, 8, 4, 9, 9, 8, 40}),
              (std::vector<float>{16, 9, 8, 4, 9, 9, 8, 9 * (9.0f / 8)}));
}

TEST(GpsTrackDecodingTest, PositionJumpsAreHeldFourTimesThenBelieved) {
    std::vector<SamplePoint> points;
    for (int n = 0; n < 7; ++n) {
        SamplePoint &point = points.emplace_back();
        point.rawDistance = point.cumDistance = 0.01f * static_cast<float>(n);
        point.latText = QString::number(45 + (n == 0 ? 0 : 1 / 69.1)); // a mile north of the first
        point.longText = "-73";
    }
    CleanGpsTrack(points, false);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(points[n].latText, "45") << n;
    EXPECT_NE(points[5].latText, "45");
}

TEST(GpsTrackDecodingTest, AltitudeWithoutFixTakesTheLastGoodFix) {
    std::vector<SamplePoint> points(6);
    const int status[] = {0, 0, 0, 3, 1, 3};
    const std::int16_t altitude[] = {5, 6, 7, 120, 8, 130};
    for (std::size_t n = 0; n < points.size(); ++n) {
        points[n].statusText = QString::number(status[n]);
        points[n].altitude = altitude[n];
    }
    HoldAltitudeWithoutFix(points);
    std::vector<int> held;
    for (const SamplePoint &point : points)
        held.push_back(point.altitude);
    EXPECT_EQ(held, (std::vector<int>{120, 120, 120, 120, 120, 130}));
}

} // namespace
