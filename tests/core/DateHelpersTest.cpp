#include "core/Globals.h"
#include "core/LocaleScope.h"
#include "core/modHelpersDates.h"

#include <gtest/gtest.h>

using namespace modHelpers;

namespace {

TEST(FormatIsoDate, GivesTheStoredDateTextOfADateOrNothing) {
    EXPECT_EQ(FormatIsoDate(QDate(2005, 12, 25)), "2005-12-25");
    EXPECT_EQ(FormatIsoDate(QDateTime(QDate(2026, 3, 7), QTime(23, 59, 59))), "2026-03-07");
    EXPECT_EQ(FormatIsoDate(QVariant("12/25/2005")), "");
    EXPECT_EQ(FormatIsoDate(QVariant()), "");
}

class GetWeekStartTest : public ::testing::Test {
protected:
    void TearDown() override { gStartOfWeek.clear(); }
};

TEST_F(GetWeekStartTest, AroundYearEnds) {
    const struct {
        QDate day;
        QDate mondayStart;
        QDate sundayStart;
    } cases[] = {
        {{2005, 12, 25}, {2005, 12, 19}, {2005, 12, 25}}, // a Sunday
        {{2005, 12, 31}, {2005, 12, 26}, {2005, 12, 25}}, // a Saturday
        {{2006, 1, 1}, {2005, 12, 26}, {2006, 1, 1}},     // a Sunday
        {{2006, 1, 2}, {2006, 1, 2}, {2006, 1, 1}},       // a Monday
        {{2009, 1, 1}, {2008, 12, 29}, {2008, 12, 28}},   // a Thursday
    };
    for (const auto &c : cases) {
        gStartOfWeek = "Monday";
        EXPECT_EQ(GetWeekStart(c.day), c.mondayStart) << c.day.toString().toStdString();
        gStartOfWeek = "Sunday";
        EXPECT_EQ(GetWeekStart(c.day), c.sundayStart) << c.day.toString().toStdString();
    }
}

TEST_F(GetWeekStartTest, OnlyTheExactWordMondayStartsWeeksOnMondayAndTheTimeOfDayStays) {
    gStartOfWeek = "monday";
    EXPECT_EQ(GetWeekStart(QDate(2005, 12, 31)), QDate(2005, 12, 25));
    gStartOfWeek = "Monday";
    EXPECT_EQ(GetWeekStart(QDateTime(QDate(2006, 1, 1), QTime(13, 45, 10))),
              QDateTime(QDate(2005, 12, 26), QTime(13, 45, 10)));
}

struct LocaleDates {
    QLocale locale;
    const char *pattern;
    const char *dateSeparator;
    const char *march7;
    const char *systemDate; // of "08-25-2005"
};

void PrintTo(const LocaleDates &c, std::ostream *out) {
    *out << c.locale.name().toStdString();
}

class DateOrderTest : public ::testing::TestWithParam<LocaleDates> {};

TEST_P(DateOrderTest, FollowsTheShortDateLayout) {
    const LocaleDates &c = GetParam();
    LocaleScope scope(c.locale);
    QString separator;
    EXPECT_EQ(GetDateOrderPattern(&separator), c.pattern);
    EXPECT_EQ(separator, c.dateSeparator);
    EXPECT_EQ(FormatShortDate(), c.dateSeparator);
    EXPECT_EQ(ToLocalDateOrder(3, 7), c.march7);
    EXPECT_EQ(ToSystemDateText("08-25-2005"), c.systemDate);
    EXPECT_EQ(ToSystemDateText("08-25"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Locales, DateOrderTest,
    ::testing::Values(
        LocaleDates{QLocale(QLocale::English, QLocale::UnitedStates), "mm/dd/yyyy", "/", "3/7", "08/25/2005"},
        LocaleDates{QLocale(QLocale::English, QLocale::UnitedKingdom), "dd/mm/yyyy", "/", "7/3",
                    "25/08/2005"},
        LocaleDates{QLocale(QLocale::German, QLocale::Germany), "dd/mm/yyyy", ".", "7.3", "25/08/2005"},
        LocaleDates{QLocale(QLocale::Swedish, QLocale::Sweden), "yyyy/mm/dd", "-", "3-7", "2005/08/25"}),
    [](const ::testing::TestParamInfo<LocaleDates> &info) { return info.param.locale.name().toStdString(); });

} // namespace
