#pragma once

#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

// The course statistics of one recorded activity: a row where it starts, one each time the
// distance passes a marker (every whole, half or quarter of the preferred unit) and one where it
// ends, each with the time, distance, speed and pace of its segment and, for activities with
// positions, the elevation figures and the position.
namespace analysis {

// One speed or GPS sample as stored: distance always in miles, altitude always in feet.
struct CourseSample {
    double time = 0;                 // seconds from the start
    double distance = 0;             // miles from the start
    std::optional<double> altitude;  // feet; none when the sample has no reading
    std::optional<double> latitude;  // signed decimal degrees
    std::optional<double> longitude; // likewise
    int dataType = 1;                // 1 speed and distance, 2 GPS
    int fixStatus = 0;               // the recorder's acquisition status
    bool hasFix() const { return (fixStatus == 2 || fixStatus == 3) && latitude && longitude; }
};

struct HeartRateSample {
    double time = 0; // seconds from the start
    double hr = 0;   // beats per minute
};

struct CourseSettings {
    float interval = 1;          // marker interval in the preferred unit
    QString unit;                // the preferred unit code: "km", "nm", anything else is miles
    bool heavySmoothing = false; // the smoothing preference: altitudes follow new readings slowly
    bool withPositions = false;  // elevation, ascent, descent, altitude and position columns
    bool withHeartRate = false;  // the average heart-rate column (heart rate joined with speed)
};

// The marker interval of an entry of the marker list: 1, 1/2 or 1/4 of the unit.
float MarkerInterval(int listIndex);

// The entries of the marker list in the user's language: 1 mi, 1/2 mi and 1/4 mi for miles.
QStringList MarkerIntervalTexts(const QString &unit);

struct CourseColumn {
    QString heading;
    int widthTwips = 0;
};

// The headings of the rows' fields, in the order the rows hold them, in the user's language.
std::vector<CourseColumn> CourseColumns(const CourseSettings &settings);

// The field of the average heart rate, when the settings have one.
std::optional<int> HeartRateColumn(const CourseSettings &settings);

struct CourseRow {
    enum class Kind { Start, Marker, End };
    Kind kind = Kind::Start;
    int marker = 0;         // 1, 2, ... for the markers passed, counting an end that falls on one
    std::size_t sample = 0; // the sample the row describes
    QStringList fields;     // as CourseColumns names them
};

// Rows of the samples (speed and GPS samples in time order) for the settings. Heart-rate samples
// give the average heart rate of each row's segment when the settings ask for it. No samples give
// no rows.
std::vector<CourseRow> FillData(const std::vector<CourseSample> &samples,
                                const std::vector<HeartRateSample> &heartRates,
                                const CourseSettings &settings);

} // namespace analysis
