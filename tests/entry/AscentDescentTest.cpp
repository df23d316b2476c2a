#include "entry/AscentDescent.h"
#include "core/LocaleScope.h"
#include "transfer/ActivityFixture.h"

#include <gtest/gtest.h>

namespace {

using AscentDescent::Compute;
using AscentDescent::Totals;

TEST(AscentDescent, ChangesCountOnceTheyLeaveTheDeadBandAndTheRestCountsAtTheEnd) {
    const struct {
        const char *name;
        std::vector<std::optional<double>> altitudes;
        bool strong;
        Totals totals;
    } cases[] = {
        // smoothed 100, 104, 114, 116 (ascent 16), 106 (remainder 10 down)
        {"worked example", {100, 110, 130, 120, 90}, false, {16, 10}},
        // smoothed 100, 102, 108, 110, 106: never 15 away, the end counts 6 up
        {"strong smoothing", {100, 110, 130, 120, 90}, true, {6, 0}},
        // smoothed 200, 188, 169 (31 down), 145 (24 down)
        {"steady descent", {200, 170, 140, 110}, false, {0, 55}},
        {"one row", {100}, false, {0, 0}},
        {"no rows", {}, false, {0, 0}},
        // the figures start at the first altitude: smoothed 100, 140 (40 up)
        {"leading rows without altitude are passed over",
         {std::nullopt, std::nullopt, 100, 200},
         false,
         {40, 0}},
        {"no altitude at all", {std::nullopt, std::nullopt}, false, {0, 0}},
        {"later rows without altitude are passed over",
         {100, std::nullopt, 110, 130, 120, 90},
         false,
         {16, 10}},
        // smoothed 94 stays within 15 of 100: the 6 down count at the end
        {"just inside the band", {100, 85}, false, {0, 6}},
        {"band edge is inclusive", {100, 137.5}, false, {15, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Compute(c.altitudes, c.strong), c.totals) << c.name;
}

TEST(AscentDescent, TotalsShowInFeetOrInMetresForKilometres) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(AscentDescent::TotalText(16, "mi"), "16 feet");
    EXPECT_EQ(AscentDescent::TotalText(10, "nm"), "10 feet");
    EXPECT_EQ(AscentDescent::TotalText(16, "km"), "4.9 meters");
    EXPECT_EQ(AscentDescent::TotalText(10, "km"), "3 meters");
    EXPECT_EQ(AscentDescent::TotalText(0, "km"), "0 meters");
}

class AscentDescentReadTest : public ActivityFixture {
protected:
    void addAltitude(SessionKey key, double time, std::optional<double> altitude, int dataType = 2) {
        testing::storeSamples(gConn, key, {{.time = time, .type = dataType, .altitude = altitude}});
    }
};

TEST_F(AscentDescentReadTest, OnlyGpsRowsInTimeOrderCountAndRowsWithoutAnyAltitudeGiveNothing) {
    const SessionKey gps = addActivity(5);
    addAltitude(gps, 20, 130);
    addAltitude(gps, 0, 100);
    addAltitude(gps, 10, 110);
    addAltitude(gps, 5, 999, 1); // a speed row
    const auto altitudes = AscentDescent::ReadAltitudes(gps);
    ASSERT_TRUE(altitudes);
    EXPECT_EQ(*altitudes, (std::vector<std::optional<double>>{100, 110, 130}));

    const SessionKey speedOnly = addActivity(1);
    addAltitude(speedOnly, 0, 100, 1);
    EXPECT_FALSE(AscentDescent::ReadAltitudes(speedOnly));

    const SessionKey noFirstAltitude = addActivity(5);
    addAltitude(noFirstAltitude, 0, std::nullopt);
    addAltitude(noFirstAltitude, 1, 100);
    EXPECT_EQ(AscentDescent::ReadAltitudes(noFirstAltitude),
              (std::vector<std::optional<double>>{std::nullopt, 100}));

    const SessionKey noAltitude = addActivity(5);
    addAltitude(noAltitude, 0, std::nullopt);
    addAltitude(noAltitude, 1, std::nullopt);
    EXPECT_FALSE(AscentDescent::ReadAltitudes(noAltitude));
}

} // namespace
