#include "summary/SummaryValues.h"

#include "core/LocaleScope.h"

#include <gtest/gtest.h>

namespace {

TEST(SummaryValuesTest, SecondsReadAsHoursAndMinutesWithTheirRealHours) {
    struct Case {
        double seconds;
        const char *text;
        double minutes;
    } cases[] = {
        {0, "00:00", 0},        {59, "00:00", 0},       {59.6, "00:01", 1}, // rounds up to a minute
        {60, "00:01", 1},       {119, "00:01", 1},      {3599, "00:59", 59},     {3600, "01:00", 60},
        {86399, "23:59", 1439}, {86400, "24:00", 1440}, {108000, "30:00", 1800}, // 30 hours
        {-600, "00:10", 10},
    };
    for (const Case &c : cases) {
        const summary::ClockReading reading = summary::ClockOfSeconds(c.seconds);
        EXPECT_EQ(reading.text, c.text) << c.seconds << " s";
        EXPECT_DOUBLE_EQ(reading.minutes, c.minutes) << c.seconds << " s";
    }
}

TEST(SummaryValuesTest, EveryPairOfUnitsConvertsWhateverTheirCase) {
    struct Case {
        const char *from;
        const char *to;
        double factor;
    } cases[] = {
        {"km", "mi", 0.621371}, {"mi", "km", 1.609344}, {"nm", "mi", 1.150779}, {"m", "mi", 0.000621},
        {"yd", "nm", 0.000494}, {"KM", "mi", 0.621371}, {"km", "MI", 0.621371}, {"mi", "m", 1609.344},
        {"km", "m", 1000},      {"mi", "yd", 1760},     {"m", "yd", 1.0936133}, {"yd", "m", 0.9144},
        {"nm", "nm", 1},        {"furlong", "km", 1},   {"", "km", 1},          {"km", "", 1},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(summary::DistanceFactor(c.from, c.to), c.factor) << c.from << " to " << c.to;
}

TEST(SummaryValuesTest, NumbersAreWrittenAsTheSystemWritesThem) {
    {
        const LocaleScope us(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(summary::NumberText(2.609), "2.609");
        EXPECT_EQ(summary::NumberText(72.5), "72.5");
        EXPECT_EQ(summary::NumberText(0), "0");
        EXPECT_EQ(summary::NumberText(-0.0), "0");
        EXPECT_EQ(summary::NumberText(1234567), "1234567");
    }
    const LocaleScope french(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(summary::NumberText(72.5), "72,5");
}

} // namespace
