#include "summary/SummaryBuckets.h"

#include "core/Globals.h"
#include "core/LocaleScope.h"
#include "core/modHelpersDates.h"

#include <gtest/gtest.h>

namespace {

using summary::BucketRange;

class SummaryBucketsTest : public ::testing::Test {
protected:
    void TearDown() override { gStartOfWeek.clear(); }
};

TEST_F(SummaryBucketsTest, WeeksAreTakenWholeFromTheWeekThatHoldsTheStart) {
    struct Case {
        const char *name;
        const char *weekStart;
        QDate start;
        QDate end;
        QDate first;
        int weeks;
    } cases[] = {
        // March 2026 begins on a Sunday and ends on a Tuesday.
        {"a month, Monday weeks", "Monday", {2026, 3, 1}, {2026, 3, 31}, {2026, 2, 23}, 6},
        {"a month, Sunday weeks", "Sunday", {2026, 3, 1}, {2026, 3, 31}, {2026, 3, 1}, 5},
        {"Wednesday to the Tuesday after", "Monday", {2026, 3, 4}, {2026, 3, 10}, {2026, 3, 2}, 2},
        {"one whole week", "Monday", {2026, 3, 2}, {2026, 3, 8}, {2026, 3, 2}, 1},
        {"one day", "Monday", {2026, 3, 4}, {2026, 3, 4}, {2026, 3, 2}, 1},
        {"end before start", "Monday", {2026, 3, 4}, {2026, 3, 3}, {2026, 3, 2}, 0},
    };
    for (const Case &c : cases) {
        gStartOfWeek = c.weekStart;
        const BucketRange weeks = BucketRange::Weeks(c.start, c.end);
        EXPECT_EQ(weeks.first(), c.first) << c.name;
        EXPECT_EQ(weeks.count(), c.weeks) << c.name;
        EXPECT_EQ(weeks.end(), c.first.addDays(7 * c.weeks)) << c.name;
    }
}

TEST_F(SummaryBucketsTest, DaysRunFromTheFirstToTheLastBothIncluded) {
    EXPECT_EQ(BucketRange::Days({2026, 3, 1}, {2026, 3, 31}).count(), 31);
    EXPECT_EQ(BucketRange::Days({2026, 3, 1}, {2026, 3, 1}).count(), 1);
    EXPECT_EQ(BucketRange::Days({2026, 3, 2}, {2026, 3, 1}).count(), 0);
    EXPECT_EQ(BucketRange::Days({2016, 1, 1}, {2025, 12, 31}).count(), 3653);
}

TEST_F(SummaryBucketsTest, ADayFallsIntoTheBucketThatHoldsIt) {
    gStartOfWeek = "Monday";
    const BucketRange weeks = BucketRange::Weeks({2026, 3, 4}, {2026, 3, 10});
    EXPECT_EQ(weeks.indexOf({2026, 3, 1}), -1);
    EXPECT_EQ(weeks.indexOf({2026, 3, 2}), 0);
    EXPECT_EQ(weeks.indexOf({2026, 3, 8}), 0);
    EXPECT_EQ(weeks.indexOf({2026, 3, 15}), 1);
    EXPECT_EQ(weeks.indexOf({2026, 3, 16}), -1);
    EXPECT_EQ(weeks.start(1), QDate(2026, 3, 9));
}

TEST_F(SummaryBucketsTest, LabelsFollowTheUsersDateOrder) {
    {
        const LocaleScope us(QLocale(QLocale::English, QLocale::UnitedStates));
        const summary::DateLabels dates;
        EXPECT_EQ(dates.monthDay({2026, 12, 7}), modHelpers::ToLocalDateOrder(12, 7));
        EXPECT_EQ(dates.withYear({2026, 12, 7}), "12/7/2026");
    }
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    const summary::DateLabels dates;
    EXPECT_EQ(dates.monthDay({2005, 8, 25}), "25.8");
    EXPECT_EQ(dates.withYear({2005, 8, 25}), "25.8.2005");
}

} // namespace
