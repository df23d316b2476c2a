#pragma once

#include <QString>

#include <optional>
#include <vector>

// The figures of one speed or GPS sample as an activity's graph and its table show them:
// distance, speed, pace, altitude and elevation in the preferred unit. Samples store miles,
// miles per hour and feet.
namespace sessionview {

// The no-pace value: a standing athlete, or a window over which the distance did not grow.
inline constexpr double kNoPace = 99.98;

double DistanceInUnit(double miles, const QString &unit);
// Kilometres and nautical miles per hour are rounded to one decimal; other units keep miles
// per hour as stored.
double SpeedInUnit(double milesPerHour, const QString &unit);
// Only kilometres turn feet into metres.
double HeightInUnit(double feet, const QString &unit);
// Whether the unit has altitude and elevation columns in the table of lines.
bool ListsAltitude(const QString &unit);

// Pace in minutes per unit, from the distance covered over the last samples. The recorder
// samples speed every 3.57 s, and pace is measured over up to six of those intervals, from the
// first sample until six have passed.
class PaceWindow {
public:
    // With a distance cap, a window covering 30 units or more is taken as a glitch: no pace.
    explicit PaceWindow(bool capWindowDistance = false) : capWindowDistance_(capWindowDistance) {}

    // The pace at the next sample, given its distance and speed in the preferred unit.
    double next(double distance, double speed);

private:
    bool capWindowDistance_;
    std::vector<double> distances_;
};

// Minutes and seconds of a pace: 7.5 reads "07:30", no pace "99:59".
QString PaceText(double pace, const QString &timeSeparator);

// Exponential smoothing of the recorded altitude: each sample keeps 0.8 of the smoothed value
// before it (0.6 without the smoothing preference). The first altitude is taken as recorded; a
// sample without altitude keeps the smoothed value, and before any altitude it is 0.
class AltitudeSmoother {
public:
    explicit AltitudeSmoother(bool smoothing);
    double next(std::optional<double> recorded);

private:
    float weight_;
    float rest_;
    std::optional<double> smoothed_;
};

// An elapsed time as the graph places it: the "hh:mm:ss" text, and that time of day in
// seconds (a day or more stays at 23:59:59).
struct ElapsedTime {
    QString text;
    double secondsOfDay;
};
ElapsedTime Elapsed(double seconds);

// A number as the table shows it: the user's decimal separator, no grouping, no trailing zeros.
// Samples were recorded in single precision, so seven significant digits show them as recorded.
QString NumberText(double value);

} // namespace sessionview
