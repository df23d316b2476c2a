#include "transfer/ActivityFixture.h"
#include "transfer/TransferState.h"
#include "transfer/modMerge.h"

using modMerge::MergeSessions;

namespace {

class MixedMergeTest : public ActivityFixture {};

TEST_F(MixedMergeTest, SpeedActivityAndJoinedOneBecomeJoinedWithBothSeries) {
    const SessionKey first = addActivity(1, 8, 0.03);
    const SessionKey second = addActivity(20, 5, 0.02);
    addSpeed(first, 3); // last at 7.14
    addHeartRate(second, 3, 130);
    addSpeed(second, 2);

    ASSERT_TRUE(MergeSessions(first, second, 0));

    EXPECT_EQ(column(first, "session_type"), 20);
    // Heart rate filled under the first's speed, then the second's from Round(7.14) + 2.
    expectTimes(times(first, true), {2, 4, 6, 9, 11, 13});
    EXPECT_EQ(samples(first, true)[0].hr, 0);
    expectTimes(times(first, false), {0, 3.57, 7.14, 10.71, 14.28});
    EXPECT_DOUBLE_EQ(samples(first, false).back().distance, 0.05);
    EXPECT_DOUBLE_EQ(column(first, "Distance"), 0.05);
    EXPECT_DOUBLE_EQ(column(first, "Duration"), 13);
    EXPECT_FALSE(exists(second));
}

TEST_F(MixedMergeTest, JoinedActivityRetimesTheOthersSamplesAndFillsItsHeartRate) {
    const SessionKey first = addActivity(20, 6, 0.02);
    const SessionKey second = addActivity(1, 10, 0.03);
    addHeartRate(first, 4, 140); // last at 6
    addSpeed(first, 2, 2);       // GPS, last at 3.57
    addSpeedAt(second, 0, 1, 5, 0.01);
    addSpeedAt(second, 5, 1, 5, 0.02);
    addSpeedAt(second, 10, 1, 5, 0.03);

    ASSERT_TRUE(MergeSessions(first, second, 0));

    // n-th sample of the second at Round(3.57) + 2 + 3.57 n, whatever its own time.
    expectTimes(times(first, false), {0, 3.57, 6, 9.57, 13.14});
    const auto speed = samples(first, false);
    EXPECT_EQ(speed[2].dataType, 2);
    EXPECT_DOUBLE_EQ(speed[4].distance, 0.05);
    // Heart rate over the second's span, 6 to 16 s, with the last heart rate.
    expectTimes(times(first, true), {0, 2, 4, 6, 8, 10, 12, 14, 16});
    EXPECT_EQ(samples(first, true).back().hr, 140);
    EXPECT_EQ(column(first, "session_type"), 20);
    EXPECT_DOUBLE_EQ(column(first, "Duration"), 16);
}

TEST_F(MixedMergeTest, HeartRateActivityAndJoinedOneGetSpeedFillersWithTheSecondsPosition) {
    const SessionKey first = addActivity(0, 10, 0);
    const SessionKey second = addActivity(20, 4, 0.02);
    addHeartRate(first, 6, 110); // last at 10
    addHeartRate(second, 2, 150);
    addSpeed(second, 2, 2);

    ASSERT_TRUE(MergeSessions(first, second, 0));

    expectTimes(times(first, false), {3.57, 7.14, 10.71, 14.28});
    const auto speed = samples(first, false);
    EXPECT_EQ(speed[0].speed, 0);
    EXPECT_EQ(speed[0].distance, 0);
    EXPECT_EQ(speed[0].dataType, 2);
    EXPECT_TRUE(speed[0].hasPosition);
    EXPECT_DOUBLE_EQ(speed[3].distance, 0.02);
    // The second's heart rate follows the last speed sample, so it interleaves with the first's.
    expectTimes(times(first, true), {0, 2, 4, 6, 8, 9, 10, 11});
    EXPECT_EQ(column(first, "session_type"), 20);
    EXPECT_EQ(column(first, "max_HR"), 150);
}

TEST_F(MixedMergeTest, OffsetsRoundExactHalvesToTheEvenSecond) {
    const SessionKey first = addActivity(20, 180, 0.5);
    const SessionKey second = addActivity(0, 4, 0);
    addHeartRate(first, 90); // last at 178
    addSpeedAt(first, 0, 1, 6, 0.01);
    addSpeedAt(first, 178.5, 1, 6, 0.5);
    addHeartRate(second, 3, 150);

    ASSERT_TRUE(MergeSessions(first, second, 0));

    const auto heartRate = times(first, true);
    expectTimes({heartRate.end() - 3, heartRate.end()}, {180, 182, 184});
    // Speed filled over the second's span, 180 to 184 s, at the first's last distance.
    expectTimes(times(first, false), {0, 178.5, 183.57});
    EXPECT_DOUBLE_EQ(samples(first, false).back().distance, 0.5);
    EXPECT_DOUBLE_EQ(column(first, "Duration"), 184);
}

TEST_F(MixedMergeTest, APositiveGapIsBridgedInBothSeries) {
    const SessionKey first = addActivity(20, 10, 0.04);
    const SessionKey second = addActivity(0, 4, 0);
    addHeartRate(first, 6, 125); // last at 10
    addSpeedAt(first, 0, 1, 6, 0.01);
    addSpeedAt(first, 10, 1, 6, 0.04);
    addHeartRate(second, 2, 150);

    ASSERT_TRUE(MergeSessions(first, second, 45));

    const auto speed = samples(first, false);
    ASSERT_EQ(speed.size(), 2u + 12u + 1u); // 12 fillers up to 55 s, one over the second's span
    for (std::size_t i = 2; i < 14; ++i) {
        EXPECT_EQ(speed[i].speed, 0);
        EXPECT_FLOAT_EQ(speed[i].distance, 0.04f); // the filler distance is single precision
    }
    EXPECT_NEAR(speed[13].time, 52.84, 0.001);
    const auto heartRate = samples(first, true);
    EXPECT_EQ(heartRate[27].time, 54); // fillers 12 to 54 s
    EXPECT_EQ(heartRate[27].hr, 125);
    EXPECT_NEAR(heartRate[28].time, 55, 0.001); // Round(52.84) + 2
    EXPECT_NEAR(speed[14].time, 58.57, 0.001);  // the second's span starts after the gap, at 55 s
    EXPECT_DOUBLE_EQ(column(first, "Duration"), 59);
}

// A heart-rate activity too short for a speed filler of its own still gets speed samples from
// the bridged pause, so the second's samples have somewhere to go.
TEST_F(MixedMergeTest, AShortHeartRateActivityMergesWhenAGapIsBridged) {
    const SessionKey first = addActivity(0, 2, 0);
    const SessionKey second = addActivity(20, 4, 0.02);
    addHeartRate(first, 2, 120); // last at 2
    addHeartRate(second, 2, 140);
    addSpeed(second, 2);

    ASSERT_TRUE(MergeSessions(first, second, 10));

    EXPECT_EQ(column(first, "session_type"), 20);
    expectTimes(times(first, false), {3.57, 7.14, 10.71, 14.28});
    EXPECT_FALSE(exists(second));
}

// A merge that could not keep the second's samples is refused before anything is written.
TEST_F(MixedMergeTest, MergesThatWouldLoseTheSecondsSamplesAreRefused) {
    const struct {
        const char *name;
        int type1;
        int firstHeartRate;
        int type2;
        bool secondHasHeartRate;
    } cases[] = {
        {"first entered by hand, without samples", 99, 0, 20, true},
        {"heart rate shorter than one speed step", 0, 2, 20, true},
        {"second's speed stored as heart-rate rows", 20, 3, 3, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SessionKey first = addActivity(c.type1, 4, 1);
        const SessionKey second = addActivity(c.type2, 4, 1);
        addHeartRate(first, c.firstHeartRate);
        if (c.type1 == 20)
            addSpeed(first, 2);
        addHeartRate(second, 2);
        if (c.type2 == 20)
            addSpeed(second, 2);
        const auto firstSamples = sampleCount(first);

        EXPECT_FALSE(MergeSessions(first, second, 0));

        EXPECT_FALSE(gMergeUnitsDiffer);
        EXPECT_EQ(sampleCount(first), firstSamples);
        EXPECT_TRUE(exists(second));
        EXPECT_EQ(column(first, "session_type"), c.type1);
    }
}

} // namespace
