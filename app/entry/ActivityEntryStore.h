#pragma once

#include "core/Globals.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <stdexcept>

// The activity that the entry window shows and stores: the row read for editing, the row values
// that the boxes give, and the writes. Every function reads or writes gConn and throws
// platform::db::DbError when the database fails.
namespace ActivityEntryStore {

inline constexpr int kEnteredByHand = 99;

// What the entry window's boxes and lists hold when the athlete saves.
struct Form {
    QDate day;
    QTime start;
    std::int64_t sport = 0;
    QString distance;
    QString distanceUnit;
    QString description;
    QString hours;
    QString minutes;
    QString seconds;
    std::array<QString, 5> zoneHours;
    std::array<QString, 5> zoneMinutes;
    QString averageHeartRate;
    QString peakHeartRate;
    QString averageSpeed;
    QString maximumSpeed;
    int averageSpeedUnits = 0; // list positions: 0 mile based, 1 kilometre based, 2 nautical
    int maximumSpeedUnits = 0;
    int averagePaceUnits = 0;
    int bestPaceUnits = 0;
};

// The values a save writes. A figure without a value is stored as NULL; a distance without a
// value leaves the stored distance as it is.
struct Row {
    std::int64_t sport = 0;
    std::optional<double> distance;
    QString distanceUnit;
    QString description;
    QDate day;
    QDateTime start;
    std::int32_t duration = 0;                  // seconds
    std::array<std::optional<double>, 5> zones; // seconds
    std::optional<double> averageHeartRate;
    std::optional<double> peakHeartRate;
    std::optional<double> averageSpeed;
    std::optional<double> maximumSpeed;
    int averageSpeedUnits = 0;
    int maximumSpeedUnits = 0;
    int averagePaceUnits = 0;
    int bestPaceUnits = 0;
};

// A duration that does not fit the stored whole seconds.
class DurationOverflow : public std::overflow_error {
public:
    DurationOverflow() : std::overflow_error("Overflow") {}
};

// The parts of an activity that the window writes, each from its own boxes or list.
enum class Field {
    Sport,
    Distance,
    DistanceUnit,
    Description,
    Day,
    Start,
    Duration,
    Zone1,
    Zone2,
    Zone3,
    Zone4,
    Zone5,
    AverageHeartRate,
    PeakHeartRate,
    AverageSpeed,
    MaximumSpeed,
    AverageSpeedUnits,
    MaximumSpeedUnits,
    AveragePaceUnits,
    BestPaceUnits,
};
using Fields = std::set<Field>;
Fields AllFields();

// The fields whose boxes or lists the athlete changed from what the window showed of the stored
// activity. Box texts are compared trimmed, as leaving a box leaves them.
Fields ChangedFields(const Form &shown, const Form &now);

// The row values of the boxes of the given fields. Numbers are read in the user's locale and
// stored as their absolute values; a box that holds no number gives no value, except that an
// edited activity gets 0 for its heart rates, speeds and zones. Throws DurationOverflow.
Row ReadForm(const Form &form, bool editing, const Fields &fields = AllFields());

// Adds the activity as one entered by hand.
void InsertActivity(const Row &row);

// Writes the row's given fields over the activity, so that every other column keeps its stored
// value exactly, and returns the day the activity had before; nothing, and nothing written, when
// the activity no longer exists.
std::optional<QDate> UpdateActivity(SessionKey key, const Row &row, const Fields &fields = AllFields());

// Whether the saved day turns bold: a new activity when it lies in the month of the calendar's
// day, an edited one when it stayed in its month.
bool MarksDay(bool editing, const QDate &savedDay, const QDate &calendarDay,
              const std::optional<QDate> &previousDay);

// The stored activity as the window loads it; empty values stay empty.
struct Stored {
    bool fromRecorder = false;
    int type = 0;
    std::optional<std::int64_t> sport;
    QDate day;
    QDateTime start;
    std::optional<double> distance;
    QString distanceUnit;
    QString description;
    std::optional<double> duration;
    std::array<std::optional<double>, 5> zones;
    std::optional<double> averageHeartRate;
    std::optional<double> peakHeartRate;
    std::optional<double> averageSpeed;
    std::optional<double> maximumSpeed;
    int averageSpeedUnits = 0; // 0 when none is stored
    int maximumSpeedUnits = 0;
    int averagePaceUnits = 0;
    int bestPaceUnits = 0;
};
std::optional<Stored> ReadStored(SessionKey key);

// The zone labels: "Z1: " to "Z5: " followed by each zone's low and high bound joined by "-";
// "0-0" for every zone, and notSet, when the first three zones have no low bound.
struct ZoneCaptions {
    std::array<QString, 5> captions;
    bool notSet = false;
};
ZoneCaptions ReadZoneCaptions();

} // namespace ActivityEntryStore
