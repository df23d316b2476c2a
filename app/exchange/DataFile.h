#pragma once

#include <QDateTime>
#include <QString>

#include <array>
#include <optional>
#include <vector>

// One activity as the data file carries it: the activity's row and its samples, in the units the
// database stores. A value the activity lacks is empty; the writer writes it as its field's
// default and the reader always gives every field a value.
namespace DataFile {

struct Session {
    QDateTime start; // local time
    QString sportName;
    std::optional<double> sportId;
    QString distanceUnit;
    std::optional<double> avgSpeedUnits;
    std::optional<double> maxSpeedUnits;
    std::optional<double> avgPaceUnits;
    std::optional<double> maxPaceUnits;
    std::optional<double> distance;
    std::optional<double> duration; // seconds
    std::optional<QString> description;
    std::optional<double> sessionType;
    std::optional<double> maxHr;
    std::optional<double> maxSpeed;
    std::optional<double> avgHr;
    std::optional<double> avgSpeed;
    std::optional<bool> fromDataRecorder;
    std::array<std::optional<double>, 5> timeInZone; // seconds
};

inline constexpr int kHeartRateSample = 0;
inline constexpr int kSpeedSample = 1;
inline constexpr int kGpsSample = 2;

struct Sample {
    std::optional<double> duration; // seconds from the start
    std::optional<double> hr;
    std::optional<double> speed;    // miles per hour
    std::optional<double> distance; // miles from the start
    int type = kHeartRateSample;
    // Only GPS samples have these.
    std::optional<double> longitude;
    std::optional<double> latitude;
    std::optional<double> altitude; // feet
    std::optional<double> acqStatus;
    std::optional<double> trueHeading;
    std::optional<double> magHeading;
};

struct Activity {
    Session session;
    std::vector<Sample> samples;
};

} // namespace DataFile
