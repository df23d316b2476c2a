#include "transfer/ActivityFixture.h"
#include "transfer/TransferState.h"
#include "transfer/modMerge.h"

using modMerge::DeleteSession;
using modMerge::MergeOverlapping;
using modMerge::MergeSessions;

namespace {

class MergeSessionsTest : public ActivityFixture {};

TEST_F(MergeSessionsTest, SpeedSamplesFollowTheFirstOnesAfterFourSecondFillersOverTheGap) {
    const struct {
        int gap;
        std::vector<double> expected;
    } cases[] = {
        {0, {0, 3.57, 7.14, 10.71, 14.28}},
        {10, {0, 3.57, 7.14, 10.71, 14.71, 18.71, 22.28, 25.85}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.gap);
        const SessionKey first = addActivity(1, 8, 0.03);
        const SessionKey second = addActivity(1, 4, 0.02);
        addSpeed(first, 3);
        addSpeed(second, 2);

        ASSERT_TRUE(MergeSessions(first, second, c.gap));

        expectTimes(times(first, false), c.expected);
        const auto merged = samples(first, false);
        const std::size_t fillers = c.expected.size() - 5;
        for (std::size_t i = 3; i < 3 + fillers; ++i) {
            EXPECT_EQ(merged[i].speed, 0);
            EXPECT_DOUBLE_EQ(merged[i].distance, 0.03);
        }
        EXPECT_DOUBLE_EQ(merged.back().distance, 0.05);
        EXPECT_DOUBLE_EQ(column(first, "Distance"), 0.05);
        EXPECT_DOUBLE_EQ(column(first, "Duration"), 12 + c.gap);
        EXPECT_FALSE(exists(second));
        EXPECT_EQ(sampleCount(second), 0);
    }
}

TEST_F(MergeSessionsTest, HeartRateActivitiesGetTwoSecondFillersAndRecomputedFigures) {
    const SessionKey first = addActivity(0, 4, 0);
    const SessionKey second = addActivity(0, 2, 0);
    addHeartRate(first, 3, 120);
    addHeartRate(second, 2, 160);

    ASSERT_TRUE(MergeSessions(first, second, 10));

    expectTimes(times(first, true), {0, 2, 4, 6, 8, 10, 12, 14, 16, 18});
    EXPECT_EQ(samples(first, true)[5].hr, 120);
    EXPECT_DOUBLE_EQ(column(first, "Duration"), 16);
    EXPECT_EQ(column(first, "max_HR"), 160);
    EXPECT_EQ(column(first, "avg_HR"), 128); // (8 x 120 + 2 x 160) / 10
    EXPECT_EQ(column(first, "max_speed"), 0);
}

TEST_F(MergeSessionsTest, JoinedActivitiesBridgeTheHeartRateFromTheLastSpeedSample) {
    const SessionKey first = addActivity(20, 8, 0.03);
    const SessionKey second = addActivity(20, 4, 0.02);
    addHeartRate(first, 4);
    addSpeed(first, 3);
    addHeartRate(second, 2);
    addSpeed(second, 2);

    ASSERT_TRUE(MergeSessions(first, second, 4));

    expectTimes(times(first, true), {0, 2, 4, 6, 9.14, 11.14, 13.14, 15.14});
    EXPECT_EQ(times(first, false).size(), 6u);
    EXPECT_DOUBLE_EQ(column(first, "Duration"), 16);
    EXPECT_DOUBLE_EQ(column(first, "Distance"), 0.05);
}

TEST_F(MergeSessionsTest, ActivitiesEnteredByHandAddUpAndKeepTheirFigures) {
    const SessionKey first = addActivity(99, 1800, 5);
    const SessionKey second = addActivity(99, 1200, 3);

    ASSERT_TRUE(MergeSessions(first, second, 0));

    EXPECT_DOUBLE_EQ(column(first, "Distance"), 8);
    EXPECT_DOUBLE_EQ(column(first, "Duration"), 3000);
    EXPECT_EQ(column(first, "max_HR"), 150);
    EXPECT_EQ(column(first, "avg_speed"), 8);
    EXPECT_EQ(column(first, "time_zone1"), 600);
    EXPECT_FALSE(exists(second));
}

TEST_F(MergeSessionsTest, RefusalsChangeNothing) {
    const struct {
        const char *name;
        int type2;
        const char *unit2;
        bool unitsDiffer;
    } cases[] = {
        {"km and mi", 0, "km", true},
        {"types without a joined one", 1, "mi", false},
        {"a series the first lacks", 0, "mi", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SessionKey first = addActivity(0, 4, 1);
        const SessionKey second = addActivity(c.type2, 4, 1, c.unit2);
        addHeartRate(first, 3);
        addSpeed(second, 2);
        gMergeUnitsDiffer = !c.unitsDiffer;

        EXPECT_FALSE(MergeSessions(first, second, 0));

        EXPECT_EQ(gMergeUnitsDiffer, c.unitsDiffer);
        EXPECT_EQ(sampleCount(first), 3);
        EXPECT_EQ(sampleCount(second), 2);
        EXPECT_DOUBLE_EQ(column(first, "Duration"), 4);
    }
}

TEST_F(MergeSessionsTest, MergingAndDeletingKeepTheDaysWeightAndRestingPulse) {
    gConn.prepare("insert into dailydata (theday, weight, restingpulse) values ('2026-03-09', 70, 50)")
        .execute();
    const SessionKey first = addActivity(0, 4);
    const SessionKey second = addActivity(0, 4);
    const SessionKey third = addActivity(0, 4);
    addHeartRate(first, 2);
    addHeartRate(second, 2);
    addHeartRate(third, 2);

    ASSERT_TRUE(MergeSessions(first, second, 0));
    DeleteSession(third);

    EXPECT_FALSE(exists(third));
    EXPECT_EQ(sampleCount(third), 0);
    EXPECT_EQ(scalar("select count(*) from dailydata"), 1);
}

TEST_F(MergeSessionsTest, DeletingAMissingActivityChangesNothing) {
    const SessionKey kept = addActivity(0, 4);
    addHeartRate(kept, 2);
    DeleteSession(kept + 100);
    EXPECT_TRUE(exists(kept));
    EXPECT_EQ(sampleCount(kept), 2);
}

// A merge that fails part-way leaves both activities exactly as they were.
TEST_F(MergeSessionsTest, AFailureHalfWayUndoesTheWholeMerge) {
    gConn.executeScript(
        "create table inserted (n integer, failAfter integer); insert into inserted values (0, 0);"
        "create trigger fail_midway before insert on sessiondata begin "
        "update inserted set n = n + 1; "
        "select raise(abort, 'injected failure') "
        "where (select failAfter > 0 and n > failAfter from inserted); end;");
    const struct {
        const char *name;
        int type2;
        int failAfter; // rows written before the failure: fillers and part of the second's samples
    } cases[] = {{"same types", 0, 6}, {"heart rate and joined", 20, 10}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        gConn.executeScript("update inserted set n = 0, failAfter = 0");
        const SessionKey first = addActivity(0, 10, 1);
        const SessionKey second = addActivity(c.type2, 4, 1);
        addHeartRate(first, 6);
        addHeartRate(second, 3);
        if (c.type2 == 20)
            addSpeed(second, 2);
        gConn.prepare("update inserted set n = 0, failAfter = ?").bind(1, c.failAfter).execute();

        EXPECT_THROW(MergeSessions(first, second, 10), platform::db::DbError);

        gConn.executeScript("update inserted set failAfter = 0");
        EXPECT_EQ(sampleCount(first), 6);
        EXPECT_EQ(sampleCount(second), c.type2 == 20 ? 5 : 3);
        EXPECT_EQ(column(first, "session_type"), 0);
        EXPECT_DOUBLE_EQ(column(first, "Duration"), 10);
        EXPECT_EQ(column(first, "max_HR"), 150);
    }
}

TEST_F(MergeSessionsTest, OverlappingSpeedActivitiesContinueTheEarlierTrackWithTheLatersOwnTimes) {
    const SessionKey earlier = addActivity(1, 36, 0.1, "mi", "2026-03-09 07:00:00");
    const SessionKey later = addActivity(1, 36, 0.1, "mi", "2026-03-09 07:00:20");
    addSpeed(earlier, 10); // 0 to 32.13 s, 0.01 to 0.10 mi
    addSpeed(later, 10);

    ASSERT_TRUE(MergeOverlapping(earlier, later));

    // The later one's samples from 17.85 s on lie past the earlier one's last, 20 s later.
    const auto merged = samples(earlier, false);
    ASSERT_EQ(merged.size(), 15u);
    EXPECT_NEAR(merged[10].time, 37.85, 0.001);
    EXPECT_NEAR(merged[14].time, 52.13, 0.001);
    EXPECT_NEAR(merged[10].distance, 0.11, 1e-9);
    EXPECT_NEAR(merged[14].distance, 0.15, 1e-9);
    EXPECT_DOUBLE_EQ(column(earlier, "Distance"), 0.15);
    EXPECT_DOUBLE_EQ(column(earlier, "Duration"), 56);
    EXPECT_EQ(column(earlier, "session_type"), 1);
    EXPECT_FALSE(exists(later));
}

TEST_F(MergeSessionsTest, OverlappingActivitiesOfDifferentTypesJoinOnlyWithAJoinedOne) {
    const struct {
        const char *name;
        int earlierType;
        int laterType;
        std::size_t heartRateSamples;
        std::size_t speedSamples;
    } cases[] = {
        {"heart rate with a joined one inside", 0, 20, 31, 3},
        {"joined with a heart-rate one inside", 20, 0, 31, 3},
        {"heart rate with a speed one inside", 0, 1, 31, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const SessionKey earlier = addActivity(c.earlierType, 60, 0, "mi", "2026-03-09 07:00:00");
        const SessionKey later = addActivity(c.laterType, 10, 0, "mi", "2026-03-09 07:00:20");
        for (const auto &[key, type, seconds] :
             {std::tuple{earlier, c.earlierType, 60}, {later, c.laterType, 10}}) {
            if (type != 1)
                addHeartRate(key, seconds / 2 + 1);
            if (type != 0)
                addSpeed(key, 3);
        }

        const bool joined = c.speedSamples > 0;
        EXPECT_EQ(MergeOverlapping(earlier, later), joined);

        EXPECT_EQ(samples(earlier, true).size(), c.heartRateSamples);
        EXPECT_EQ(samples(earlier, false).size(), c.speedSamples);
        EXPECT_EQ(column(earlier, "session_type"), joined ? 20 : c.earlierType);
        EXPECT_EQ(exists(later), !joined);
        if (c.earlierType == 0 && joined) {
            EXPECT_NEAR(samples(earlier, false)[0].time, 20, 0.001);
        }
        gConn.executeScript("delete from sessions; delete from sessiondata");
    }
}

} // namespace
