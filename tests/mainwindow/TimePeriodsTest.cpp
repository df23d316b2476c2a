#include "mainwindow/TimePeriods.h"
#include "core/Globals.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

using namespace TimePeriods;

QDate day(const char *iso) {
    return QDate::fromString(iso, Qt::ISODate);
}

DateRange range(const char *first, const char *last) {
    return {day(first), day(last)};
}

std::string text(const std::optional<DateRange> &days) {
    if (!days)
        return "none";
    return (days->first.toString(Qt::ISODate) + " to " + days->last.toString(Qt::ISODate)).toStdString();
}

class TimePeriodsTest : public ::testing::Test {
protected:
    void TearDown() override { gStartOfWeek.clear(); }

    const DateRange saved = range("2024-05-03", "2024-06-01");
};

// Every weekday of one week in March 2026, under both first days of the week.
TEST_F(TimePeriodsTest, EveryPeriodOnEveryWeekday) {
    const struct {
        const char *startOfWeek;
        const char *today;
        const char *weekStart;
        const char *lastWeekStart;
        const char *prior12WeeksStart;
    } cases[] = {
        {"Monday", "2026-03-09", "2026-03-09", "2026-03-02", "2025-12-22"},
        {"Monday", "2026-03-10", "2026-03-09", "2026-03-02", "2025-12-22"},
        {"Monday", "2026-03-11", "2026-03-09", "2026-03-02", "2025-12-22"},
        {"Monday", "2026-03-12", "2026-03-09", "2026-03-02", "2025-12-22"},
        {"Monday", "2026-03-13", "2026-03-09", "2026-03-02", "2025-12-22"},
        {"Monday", "2026-03-14", "2026-03-09", "2026-03-02", "2025-12-22"},
        {"Monday", "2026-03-15", "2026-03-09", "2026-03-02", "2025-12-22"},
        {"Sunday", "2026-03-09", "2026-03-08", "2026-03-01", "2025-12-21"},
        {"Sunday", "2026-03-10", "2026-03-08", "2026-03-01", "2025-12-21"},
        {"Sunday", "2026-03-11", "2026-03-08", "2026-03-01", "2025-12-21"},
        {"Sunday", "2026-03-12", "2026-03-08", "2026-03-01", "2025-12-21"},
        {"Sunday", "2026-03-13", "2026-03-08", "2026-03-01", "2025-12-21"},
        {"Sunday", "2026-03-14", "2026-03-08", "2026-03-01", "2025-12-21"},
        {"Sunday", "2026-03-15", "2026-03-15", "2026-03-08", "2025-12-28"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.startOfWeek) + " " + c.today);
        gStartOfWeek = c.startOfWeek;
        const QDate today = day(c.today);
        const QDate weekStart = day(c.weekStart);
        const QDate lastWeekStart = day(c.lastWeekStart);
        const std::pair<int, DateRange> expected[] = {
            {kSavedRange, saved},
            {kThisMonth, range("2026-03-01", "2026-03-31")},
            {kLastMonth, range("2026-02-01", "2026-02-28")},
            {kThisWeek, {weekStart, weekStart.addDays(6)}},
            {kLastWeek, {lastWeekStart, weekStart.addDays(-1)}},
            {kYearToDate, {day("2026-01-01"), today}},
            {kLastYear, range("2025-01-01", "2025-12-31")},
            {kLastYearToDate, {day("2025-01-01"), today.addDays(-365)}},
            {kPrior12Weeks, {day(c.prior12WeeksStart), today}},
        };
        for (const auto &[period, days] : expected)
            EXPECT_EQ(text(PeriodDays(period, today, saved)), text(days)) << "period " << period;
        EXPECT_EQ(lastWeekStart.daysTo(weekStart), 7);
        EXPECT_EQ(day(c.prior12WeeksStart).dayOfWeek(), weekStart.dayOfWeek());
    }
}

TEST_F(TimePeriodsTest, MonthAndYearEdges) {
    gStartOfWeek = "Monday";
    const struct {
        const char *today;
        int period;
        DateRange days;
    } cases[] = {
        {"2026-01-15", kLastMonth, range("2025-12-01", "2025-12-31")},
        {"2026-01-01", kThisMonth, range("2026-01-01", "2026-01-31")},
        {"2026-01-01", kYearToDate, range("2026-01-01", "2026-01-01")},
        {"2028-02-10", kThisMonth, range("2028-02-01", "2028-02-29")},
        {"2028-03-31", kLastMonth, range("2028-02-01", "2028-02-29")},
        {"2028-02-29", kThisMonth, range("2028-02-01", "2028-02-29")},
        {"2028-02-29", kYearToDate, range("2028-01-01", "2028-02-29")},
        {"2028-02-29", kLastYear, range("2027-01-01", "2027-12-31")},
        {"2028-02-29", kLastYearToDate, range("2027-01-01", "2027-02-28")},
        {"2029-03-01", kLastYearToDate, range("2028-01-01", "2028-03-01")},
        {"2026-12-31", kThisMonth, range("2026-12-01", "2026-12-31")},
    };
    for (const auto &c : cases)
        EXPECT_EQ(text(PeriodDays(c.period, day(c.today), saved)), text(c.days))
            << c.today << " " << c.period;
}

TEST_F(TimePeriodsTest, CustomAndUnknownPeriodsHaveNoDaysOfTheirOwn) {
    for (int period : {kCustom, -1, 10, 42})
        EXPECT_FALSE(PeriodDays(period, day("2026-03-09"), saved)) << period;
}

TEST_F(TimePeriodsTest, ARangeIsOrderedAndNamedByItsDays) {
    EXPECT_EQ(Ordered(day("2026-03-12"), day("2026-03-09")), range("2026-03-09", "2026-03-12"));
    EXPECT_EQ(Ordered(day("2026-03-09"), day("2026-03-12")), range("2026-03-09", "2026-03-12"));
    const QLocale locale;
    EXPECT_EQ(RangeEntryText(range("2026-03-09", "2026-03-12"), "to"),
              locale.toString(day("2026-03-09"), QLocale::ShortFormat) + " to " +
                  locale.toString(day("2026-03-12"), QLocale::ShortFormat));
}

} // namespace
