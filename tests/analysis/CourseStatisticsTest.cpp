#include "analysis/CourseStatistics.h"
#include "analysis/CourseText.h"
#include "core/Globals.h"

#include "../core/LocaleScope.h"

#include <QScopedValueRollback>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace analysis;

namespace {

CourseSample at(double seconds, double miles, double feet = 0) {
    CourseSample sample;
    sample.time = seconds;
    sample.distance = miles;
    sample.altitude = feet;
    return sample;
}

CourseSample fixAt(double seconds, double miles, double feet, double latitude, double longitude) {
    CourseSample sample = at(seconds, miles, feet);
    sample.latitude = latitude;
    sample.longitude = longitude;
    sample.dataType = 2;
    sample.fixStatus = 3;
    return sample;
}

// A GPS sample whose altitude is missing (stored as NULL).
CourseSample withoutAltitude(double seconds, double miles) {
    CourseSample sample = fixAt(seconds, miles, 0, 45, -73);
    sample.altitude.reset();
    return sample;
}

CourseSettings miles(float interval = 1, bool positions = false) {
    return {.interval = interval, .unit = "mi", .withPositions = positions};
}

std::vector<std::string> column(const std::vector<CourseRow> &rows, int field) {
    std::vector<std::string> values;
    for (const CourseRow &row : rows)
        values.push_back(row.fields.value(field).toStdString());
    return values;
}

using Texts = std::vector<std::string>;

TEST(FillData, MarkersComeOnePerSampleAndThresholdsAdvanceByOneInterval) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        const char *name;
        float interval;
        std::vector<CourseSample> samples;
        Texts markers;
        Texts distances;
        Texts laps;
    } cases[] = {
        {"a mile in tenths, the last sample on the marker",
         1,
         {at(60, 0.1), at(120, 0.2), at(180, 0.3), at(240, 0.4), at(300, 0.5), at(360, 0.6), at(420, 0.7),
          at(480, 0.8), at(540, 0.9), at(600, 1.0)},
         {"Start", "End"},
         {"0", "1"},
         {"00:00:00", "00:10:00"}},
        {"a jump over one threshold",
         1,
         {at(0, 0.9), at(300, 1.1), at(600, 1.5)},
         {"Start", "1", "End"},
         {"0", "1.1", "1.5"},
         {"00:00:00", "00:05:00", "00:05:00"}},
        {"a jump over two thresholds marks the second at the next sample",
         0.5,
         {at(240, 0.4), at(720, 1.2), at(780, 1.3), at(960, 1.6)},
         {"Start", "1", "2", "End"},
         {"0", "1.2", "1.3", "1.6"},
         {"00:00:00", "00:12:00", "00:01:00", "00:03:00"}},
    };
    for (const auto &c : cases) {
        const auto rows = FillData(c.samples, {}, miles(c.interval));
        EXPECT_EQ(column(rows, 0), c.markers) << c.name;
        EXPECT_EQ(column(rows, 3), c.distances) << c.name;
        EXPECT_EQ(column(rows, 2), c.laps) << c.name;
    }
}

TEST(FillData, StartRowAndSegmentFigures) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto rows = FillData({at(0, 0), at(600, 1.0), at(900, 1.25)}, {}, miles());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].fields, QStringList({"Start", "00:00:00", "00:00:00", "0", "0", "99:59"}));
    EXPECT_EQ(rows[1].fields, QStringList({"1", "00:10:00", "00:10:00", "1", "6", "10:00"}));
    EXPECT_EQ(rows[2].fields, QStringList({"End", "00:15:00", "00:05:00", "1.25", "3", "20:00"}));
}

TEST(FillData, PaceOfAStopOrSlowerThanTheSlowestShownReads9959) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        const char *name;
        std::vector<CourseSample> samples;
        float interval;
        Texts speeds;
        Texts paces;
    } cases[] = {
        {"standing still to the end",
         {at(0, 0), at(60, 0.5), at(120, 0.5)},
         0.5,
         {"0", "30", "0"},
         {"99:59", "02:00", "99:59"}},
        {"a marker with no time passed",
         {at(0, 1.0), at(60, 1.05)},
         1,
         {"0", "0", "3"},
         {"99:59", "99:59", "20:00"}},
        {"slower than 99.98 minutes per unit",
         {at(0, 0), at(3600, 0.5)},
         1,
         {"0", "0.5"},
         {"99:59", "99:59"}},
        {"the same time twice at the end",
         {at(0, 0), at(60, 1.0), at(60, 1.1)},
         1,
         {"0", "60", "0"},
         {"99:59", "01:00", "99:59"}},
    };
    for (const auto &c : cases) {
        const auto rows = FillData(c.samples, {}, miles(c.interval));
        EXPECT_EQ(column(rows, 4), c.speeds) << c.name;
        EXPECT_EQ(column(rows, 5), c.paces) << c.name;
    }
}

TEST(FillData, SmoothingFollowsNewAltitudesByThePreference) {
    const struct {
        bool heavy;
        const char *altitude;
        const char *change;
    } cases[] = {{false, "104", "+ 4"}, {true, "102", "+ 2"}};
    for (const auto &c : cases) {
        CourseSettings settings = miles(1, true);
        settings.heavySmoothing = c.heavy;
        const auto rows = FillData({fixAt(0, 0, 100, 45, -73), fixAt(60, 0.1, 110, 45, -73)}, {}, settings);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[1].fields[9], c.altitude) << c.heavy;
        EXPECT_EQ(rows[1].fields[6], c.change) << c.heavy;
    }
}

TEST(FillData, AscentAndDescentCountFromFifteenFeetOnAndTheEndClosesTheBand) {
    // From 100 ft the smoothed altitude moves 0.4 of the way to each new reading, to whole feet.
    const struct {
        double reading; // makes the marker row's smoothed altitude
        double holding; // the last reading, that keeps it
        const char *ascentAtMarker;
        const char *descentAtMarker;
        const char *ascentAtEnd;
        const char *descentAtEnd;
    } cases[] = {
        {137.5, 115, "15", "0", "0", "0"}, // exactly 15 ft up
        {135, 114, "0", "0", "14", "0"},   // 14 ft up counts only at the end
        {62.5, 85, "0", "15", "0", "0"},   // exactly 15 ft down
        {65, 86, "0", "0", "0", "14"},
    };
    for (const auto &c : cases) {
        const auto rows = FillData({fixAt(0, 0, 100, 45, -73), fixAt(60, 1.0, c.reading, 45, -73),
                                    fixAt(120, 1.1, c.holding, 45, -73)},
                                   {}, miles(1, true));
        ASSERT_EQ(rows.size(), 3u) << c.reading;
        EXPECT_EQ(rows[1].fields[7], c.ascentAtMarker) << c.reading;
        EXPECT_EQ(rows[1].fields[8], c.descentAtMarker) << c.reading;
        EXPECT_EQ(rows[2].fields[7], c.ascentAtEnd) << c.reading;
        EXPECT_EQ(rows[2].fields[8], c.descentAtEnd) << c.reading;
    }
}

TEST(FillData, ElevationAndAltitudeInTheUnitsOfThePreferredUnit) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    // A fall of 10 ft (3.048 m) to the marker, then of 2 ft.
    const std::vector<CourseSample> samples{fixAt(0, 0, 100, 45.5, -122.25),
                                            fixAt(600, 1.0, 75, 45.5, -122.25),
                                            fixAt(660, 1.1, 85, 45.5, -122.25)};
    const struct {
        const char *unit;
        Texts changes;
        Texts altitudes;
        const char *markerDistance;
    } cases[] = {
        {"mi", {"0", "- 10", "- 2"}, {"100", "90", "88"}, "1"},
        {"km", {"0", "- 3", "- 0.6"}, {"30.5", "27.4", "26.8"}, "1.609"},
    };
    for (const auto &c : cases) {
        CourseSettings settings{.interval = 1, .unit = c.unit, .withPositions = true};
        const auto rows = FillData(samples, {}, settings);
        ASSERT_EQ(rows.size(), 3u) << c.unit;
        EXPECT_EQ(column(rows, 6), c.changes) << c.unit;
        EXPECT_EQ(column(rows, 9), c.altitudes) << c.unit;
        EXPECT_EQ(rows[1].fields[3], c.markerDistance) << c.unit;
        EXPECT_EQ(rows[0].fields[10].toStdString(), "N 45\u00b0 30' 0\"") << c.unit;
        EXPECT_EQ(rows[0].fields[11].toStdString(), "W 122\u00b0 15' 0\"") << c.unit;
    }
}

TEST(FillData, ASampleWithoutAltitudeIsNoReading) {
    const struct {
        const char *name;
        std::vector<CourseSample> samples;
        Texts changes;
        Texts altitudes;
        Texts descents;
    } cases[] = {
        {"between two readings",
         {fixAt(0, 0, 100, 45, -73), withoutAltitude(30, 0.5), fixAt(60, 1.0, 100, 45, -73),
          fixAt(120, 1.1, 100, 45, -73)},
         {"0", "0", "0"},
         {"100", "100", "100"},
         {"0", "0", "0"}},
        {"before the first reading",
         {withoutAltitude(0, 0), fixAt(60, 1.0, 100, 45, -73), fixAt(120, 1.1, 110, 45, -73)},
         {"0", "0", "+ 4"},
         {"", "100", "104"},
         {"0", "0", "0"}},
    };
    for (const auto &c : cases) {
        const auto rows = FillData(c.samples, {}, miles(1, true));
        EXPECT_EQ(column(rows, 6), c.changes) << c.name;
        EXPECT_EQ(column(rows, 9), c.altitudes) << c.name;
        EXPECT_EQ(column(rows, 8), c.descents) << c.name;
    }
}

TEST(FillData, ABadFixOfManyThousandFeetDoesNotOverflowTheAnchor) {
    const auto rows =
        FillData({fixAt(0, 0, 40000, 45, -73), fixAt(60, 0.1, 100, 45, -73)}, {}, miles(1, true));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fields[9], "40000");
    EXPECT_EQ(rows[1].fields[9], "24040");
    EXPECT_EQ(rows[1].fields[8], "15960");
}

TEST(FillData, AverageHeartRateOfJoinedActivitiesFollowsElevationOrPace) {
    const std::vector<HeartRateSample> heartRates{{0, 100}, {300, 121}, {600, 140}, {602, 170}};
    const struct {
        bool positions;
        int columns;
        int heartRateColumn;
    } cases[] = {{false, 7, 6}, {true, 13, 7}};
    for (const auto &c : cases) {
        CourseSettings settings = miles(1, c.positions);
        settings.withHeartRate = true;
        const auto rows = FillData(
            {fixAt(0, 0, 100, 45, -73), fixAt(300, 0.5, 100, 45, -73), fixAt(600, 1.0, 100, 45, -73)},
            heartRates, settings);
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(static_cast<int>(CourseColumns(settings).size()), c.columns);
        EXPECT_EQ(HeartRateColumn(settings), c.heartRateColumn);
        EXPECT_EQ(rows[0].fields.size(), c.columns);
        EXPECT_EQ(column(rows, c.heartRateColumn), Texts({"100", "130"})) << c.positions; // 130.5 to even
        EXPECT_EQ(CourseColumns(settings)[c.heartRateColumn].heading, "Avg HR");
    }
}

TEST(FillData, MarkersEveryWholeHalfAndQuarterUnit) {
    std::vector<CourseSample> samples;
    for (int i = 0; i <= 40; ++i)
        samples.push_back(at(30.0 * i, 0.05 * i));
    samples.push_back(at(1230, 2.02));
    const struct {
        int listIndex;
        int markers;
    } cases[] = {{0, 2}, {1, 4}, {2, 8}, {7, 2}};
    for (const auto &c : cases) {
        const auto rows = FillData(samples, {}, miles(MarkerInterval(c.listIndex)));
        const auto count = std::count_if(rows.begin(), rows.end(), [](const CourseRow &row) {
            return row.kind == CourseRow::Kind::Marker;
        });
        EXPECT_EQ(count, c.markers) << c.listIndex;
        EXPECT_EQ(rows.back().fields[0], "End");
    }
}

TEST(FillData, NoSamplesGiveNoRows) {
    EXPECT_TRUE(FillData({}, {{0, 100}}, miles()).empty());
}

TEST(CourseColumns, HeadingsFollowThePreferredUnitAndLanguage) {
    CourseSettings nautical{.unit = "nm", .withPositions = true};
    const auto columns = CourseColumns(nautical);
    ASSERT_EQ(columns.size(), 12u);
    EXPECT_EQ(columns[3].heading, "Distance (nm)");
    EXPECT_EQ(columns[4].heading, "Avg Speed (kts)");
    EXPECT_EQ(columns[5].heading, "Avg Pace (min/nm)");
    EXPECT_EQ(columns[6].heading, "Elev. Change (feet)");
    EXPECT_EQ(columns[9].heading, "Altitude (feet)");

    const QScopedValueRollback german(gLanguageOffset, 3000);
    CourseSettings metric{.unit = "km"};
    const auto germanColumns = CourseColumns(metric);
    ASSERT_EQ(germanColumns.size(), 6u);
    EXPECT_EQ(germanColumns[5].heading, "Durchschn. Tempo in min/km");
}

TEST(FormatCoordinates, HemisphereDegreesMinutesSeconds) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        double value;
        bool isLongitude;
        const char *text;
    } cases[] = {
        {-122.25, true, "W 122\u00b0 15' 0\""},     {45.5, false, "N 45\u00b0 30' 0\""},
        {-33.8568, false, "S 33\u00b0 51' 24.5\""}, {151.2093, true, "E 151\u00b0 12' 33.5\""},
        {-0.5, true, "W 0\u00b0 30' 0\""},          {0, false, "N 0\u00b0 0' 0\""},
        {10.9999999, false, "N 11\u00b0 0' 0\""}, // seconds that round to a minute carry
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatCoordinates(c.value, c.isLongitude).toStdString(), c.text) << c.value;
}

TEST(FormatCoordinates, SecondsUseTheUsersDecimalSeparator) {
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(FormatCoordinates(-33.8568, false).toStdString(), "S 33\u00b0 51' 24,5\"");
    EXPECT_EQ(NumberText(12345.5), "12345,5");
}

} // namespace
