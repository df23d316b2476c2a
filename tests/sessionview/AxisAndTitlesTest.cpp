#include "sessionview/SessionAxisRange.h"
#include "sessionview/SessionGraphTitles.h"

#include "core/Globals.h"

#include <QScopedValueRollback>
#include <gtest/gtest.h>

namespace {

using namespace sessionview;
using Quantity = SessionGraphQuantity;

std::vector<GraphPoint> points(std::initializer_list<double> values) {
    std::vector<GraphPoint> all;
    for (double value : values)
        all.push_back({0, value});
    return all;
}

TEST(AxisScale, EachQuantityGetsTheRangeOfItsKind) {
    const PaceRange pace{5, 12};
    const struct {
        const char *name;
        AxisScale scale;
        double minimum, maximum;
        bool visible, inverted;
    } cases[] = {
        {"speed 3 to 20", ScaleForSide(Quantity::Speed, points({3, 20, 8}), kGpsSession, pace), 0, 25, true,
         false},
        {"elevation -12 to 40", ScaleForSide(Quantity::Elevation, points({0, -12, 40}), kGpsSession, pace),
         -17, 45, true, false},
        {"altitude 100 to 300", ScaleForSide(Quantity::Altitude, points({100, 300}), kJoinedSession, pace),
         95, 305, true, false},
        {"a level altitude", ScaleForSide(Quantity::Altitude, points({100, 100}), kGpsSession, pace), 95, 105,
         true, false},
        {"a single speed", ScaleForSide(Quantity::Speed, points({6}), kJoinedSession, pace), 0, 11, true,
         false},
        {"heart rate 90 to 172", ScaleForSide(Quantity::HeartRate, points({90, 172}), kJoinedSession, pace),
         0, 177, true, false},
        {"pace over the preferred range whatever the data",
         ScaleForSide(Quantity::Pace, points({1, 99.98}), kSpeedSession, pace), 5, 12, true, true},
        {"nothing", ScaleForSide(Quantity::None, points({0, 0}), kSpeedSession, pace), 0, 100000, false,
         false},
        {"a speed activity standing still",
         ScaleForSide(Quantity::Speed, points({0, 0}), kSpeedSession, pace), 0, 500, true, false},
        {"a joined activity without speed samples", ScaleForSide(Quantity::Speed, {}, kJoinedSession, pace),
         0, 1, true, false},
        {"heart rate alone, 90 to 172", HeartRateOnlyScale(points({90, 172})), 90, 177, true, false},
        {"a single heart rate alone", HeartRateOnlyScale(points({140})), 135, 145, true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(c.scale.minimum, c.minimum);
        EXPECT_DOUBLE_EQ(c.scale.maximum, c.maximum);
        EXPECT_EQ(c.scale.visible, c.visible);
        EXPECT_EQ(c.scale.inverted, c.inverted);
    }
}

TEST(SessionGraphTitles, AxisTitlesFollowTheUnit) {
    const struct {
        const char *unit;
        const char *speed, *pace, *altitude, *elevation;
    } cases[] = {
        {"mi", "Speed (mph)", "Pace (min/mi)", "Altitude (feet)", "Elevation (feet)"},
        {"km", "Speed (km/h)", "Pace (min/km)", "Altitude (meters)", "Elevation (meters)"},
        {"nm", "Speed (kts)", "Pace (min/nm)", "Altitude (feet)", "Elevation (feet)"},
        {"yd", "Speed (mph)", "Pace (min/yd)", "", ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.unit);
        EXPECT_EQ(AxisTitle(Quantity::Speed, c.unit), c.speed);
        EXPECT_EQ(AxisTitle(Quantity::Pace, c.unit), c.pace);
        EXPECT_EQ(AxisTitle(Quantity::Altitude, c.unit), c.altitude);
        EXPECT_EQ(AxisTitle(Quantity::Elevation, c.unit), c.elevation);
        EXPECT_EQ(AxisTitle(Quantity::HeartRate, c.unit), "Heart Rate");
    }
    EXPECT_EQ(DistanceAxisTitle("mi"), "Distance (mi)");
    EXPECT_EQ(TimeAxisTitles(":").clock, "Duration (hh:mm)");
    EXPECT_EQ(TimeAxisTitles(".").withSeconds, "Duration (hh.mm.ss)");
    const QScopedValueRollback german(gLanguageOffset, 3000);
    EXPECT_EQ(TimeAxisTitles(":").clock, "Dauer (Std:Min)");
    EXPECT_EQ(TimeAxisTitles(":").withSeconds, "Dauer (Std:Min:Sek)");
}

TEST(SessionGraphTitles, TheTableHeadingsDependOnTheKindAndTheUnitOnly) {
    const struct {
        int type;
        bool hasGps;
        const char *unit;
        const char *headings;
    } cases[] = {
        {0, false, "mi", "Time\tHeart Rate"},
        {20, true, "mi",
         "Time\tDistance (mi)\tSpeed (mph)\tPace (min/mi)\tAltitude (feet)\tElevation (feet)\tHR"},
        {20, false, "km", "Time\tDistance (km)\tSpeed (km/h)\tPace (min/km)\tHR"},
        {5, true, "km",
         "Time\tDistance (km)\tSpeed (km/h)\tPace (min/km)\tAltitude (meters)\tElevation (meters)"},
        {5, true, "m", "Time\tDistance (m)\tSpeed (mph)\tPace (min/m)"},
        {1, false, "nm", "Time\tDistance (nm)\tSpeed (kts)\tPace (min/nm)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TableHeadings(c.type, c.hasGps, c.unit), c.headings) << c.type << ' ' << c.unit;
}

} // namespace
