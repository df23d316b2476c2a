#include "preferences/ZoneRule.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using preferences::RunZoneRule;
using preferences::ZoneMode;
using preferences::ZonesFromMaximum;

HeartRateZones zones(std::array<int, 5> low, std::array<int, 5> high) {
    HeartRateZones made;
    made.low = low;
    made.high = high;
    return made;
}

TEST(ZoneRule, WorkedMaximumsGiveTheirFiveZones) {
    const struct {
        int maximum;
        HeartRateZones expected;
    } cases[] = {
        {190, zones({95, 114, 133, 152, 171}, {113, 132, 151, 170, 190})},
        {200, zones({100, 120, 140, 160, 180}, {119, 139, 159, 179, 200})},
        {170, zones({85, 102, 119, 136, 153}, {101, 118, 135, 152, 170})},
        {180, zones({90, 108, 126, 144, 162}, {107, 125, 143, 161, 180})},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ZonesFromMaximum(c.maximum), c.expected) << "maximum " << c.maximum;
    EXPECT_EQ(ZonesFromMaximum(90).low[2], 63);
}

// The window's rule rounded each double product to single precision before flooring it; the
// whole-number rule must give the same bounds for every maximum a box can hold, so the
// first-run wizard and the window agree with what athletes' stored zones were made with.
TEST(ZoneRule, WholeNumberRuleMatchesTheSinglePrecisionProductsForEveryMaximum) {
    const double factors[] = {0.5, 0.6, 0.7, 0.8, 0.9};
    for (int maximum = 1; maximum <= 250; ++maximum) {
        const HeartRateZones computed = ZonesFromMaximum(maximum);
        for (int zone = 0; zone < 5; ++zone) {
            const float product = static_cast<float>(factors[zone] * maximum);
            ASSERT_EQ(computed.low[zone], static_cast<int>(std::floor(product)))
                << "maximum " << maximum << " zone " << zone + 1;
        }
    }
}

TEST(ZoneRule, TheModeChoosesWhichBoxGovernsAndOutOfRangeValuesChangeNothing) {
    const struct {
        ZoneMode mode;
        const char *age;
        const char *maximum;
        std::optional<int> expectedMaximum;
        std::optional<QString> expectedMaximumText;
    } cases[] = {
        {ZoneMode::FromAge, "30", "0", 190, QString("190")},
        {ZoneMode::FromAge, "50", "0", 170, QString("170")},
        {ZoneMode::FromAge, "0", "0", 220, QString("220")}, // an empty person row
        {ZoneMode::FromAge, "110", "0", 110, QString("110")},
        {ZoneMode::FromAge, "111", "150", std::nullopt, std::nullopt},
        {ZoneMode::FromAge, "-5", "150", std::nullopt, std::nullopt},
        {ZoneMode::FromAge, "", "150", std::nullopt, std::nullopt},
        {ZoneMode::FromMaximum, "30", "175", 175, std::nullopt},
        {ZoneMode::FromMaximum, "30", "220", 220, std::nullopt},
        {ZoneMode::FromMaximum, "30", "221", std::nullopt, std::nullopt},
        {ZoneMode::FromMaximum, "30", "0", std::nullopt, std::nullopt},
        {ZoneMode::FromMaximum, "30", "abc", std::nullopt, std::nullopt},
        {ZoneMode::ByHand, "30", "190", std::nullopt, std::nullopt},
    };
    for (const auto &c : cases) {
        const auto result = RunZoneRule(c.mode, c.age, c.maximum);
        const QString label =
            QString("mode %1 age '%2' maximum '%3'").arg(preferences::ZoneModeCode(c.mode), c.age, c.maximum);
        ASSERT_EQ(result.has_value(), c.expectedMaximum.has_value()) << label.toStdString();
        if (!result)
            continue;
        EXPECT_EQ(result->maximum, *c.expectedMaximum) << label.toStdString();
        EXPECT_EQ(result->maximumText, c.expectedMaximumText) << label.toStdString();
        EXPECT_EQ(result->zones, ZonesFromMaximum(*c.expectedMaximum)) << label.toStdString();
    }
}

TEST(ZoneRule, ModeCodesRoundTripAndUnknownCodesMeanByHand) {
    for (const ZoneMode mode : {ZoneMode::FromAge, ZoneMode::FromMaximum, ZoneMode::ByHand})
        EXPECT_EQ(preferences::ZoneModeOf(preferences::ZoneModeCode(mode)), mode);
    EXPECT_EQ(preferences::ZoneModeCode(ZoneMode::ByHand), "man");
    EXPECT_EQ(preferences::ZoneModeOf("age"), ZoneMode::ByHand);
    EXPECT_EQ(preferences::ZoneModeOf(""), ZoneMode::ByHand);
}

} // namespace
