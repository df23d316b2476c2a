#include "sessionview/SessionSeries.h"

#include "core/Numbers.h"
#include "sessionview/SessionRowDerivation.h"

namespace sessionview {
namespace {

using Quantity = SessionGraphQuantity;

double round(double value, int decimals) {
    return Numbers::roundHalfEven(value, decimals);
}

bool isSpeedSample(const SessionSample &sample) {
    return sample.dataType != kHeartRateSample;
}

// The figures of one speed sample in the preferred unit.
struct SpeedRow {
    double distance;
    double speed;
    double pace;
    double altitude;
    double elevation;
};

// Walks the speed samples of one series (or of a speed activity's table) in time order.
class SpeedWalk {
public:
    SpeedWalk(const GraphPreferences &preferences, double baseAltitude)
        : unit_(preferences.unit), smoother_(preferences.smoothing), baseAltitude_(baseAltitude) {}

    SpeedRow next(const SessionSample &sample) {
        SpeedRow row{};
        row.distance = DistanceInUnit(sample.distance, unit_);
        row.speed = SpeedInUnit(sample.speed, unit_);
        row.altitude = smoother_.next(sample.altitude);
        row.elevation = row.altitude - baseAltitude_;
        row.pace = pace_.next(row.distance, row.speed);
        return row;
    }

private:
    QString unit_;
    AltitudeSmoother smoother_;
    PaceWindow pace_;
    double baseAltitude_;
};

// Elevation is measured from the altitude of the first sample walked; a missing one counts as 0.
template <typename Filter> double baseAltitude(const std::vector<SessionSample> &samples, Filter walked) {
    for (const SessionSample &sample : samples)
        if (walked(sample))
            return sample.altitude.value_or(0);
    return 0;
}

// The value a side plots; a joined activity shows speed to one decimal.
double plotted(Quantity quantity, const SpeedRow &row, const QString &unit, bool joined) {
    switch (quantity) {
    case Quantity::Speed:
        return joined ? round(row.speed, 1) : row.speed;
    case Quantity::Pace:
        return row.pace;
    case Quantity::Altitude:
        return HeightInUnit(row.altitude, unit);
    case Quantity::Elevation:
        return HeightInUnit(row.elevation, unit);
    case Quantity::None:
    case Quantity::HeartRate:
        break;
    }
    return 0;
}

QString heightText(double feet, const QString &unit) {
    return NumberText(round(HeightInUnit(feet, unit), 1));
}

GraphSeries seriesOf(Quantity quantity) {
    return {quantity, QuantityColour(quantity), {}};
}

// One side of a joined activity drawn from its speed samples, each walk starting afresh.
void addSpeedSide(GraphSeries &series, const std::vector<SessionSample> &samples,
                  const GraphPreferences &preferences) {
    SpeedWalk walk(preferences, baseAltitude(samples, isSpeedSample));
    for (const SessionSample &sample : samples) {
        if (!isSpeedSample(sample))
            continue;
        const SpeedRow row = walk.next(sample);
        series.points.push_back(
            {Elapsed(sample.seconds).secondsOfDay, plotted(series.quantity, row, preferences.unit, true)});
    }
}

// One side of a joined activity drawn from its heart-rate samples. A side showing nothing gets
// a zero at each of them; a side showing heart rate as well has its own walk.
void addHeartRateSide(GraphSeries &series, GraphSeries &other, const std::vector<SessionSample> &samples) {
    const bool otherShowsNothing = other.quantity == Quantity::None;
    for (const SessionSample &sample : samples) {
        if (isSpeedSample(sample))
            continue;
        const double x = Elapsed(sample.seconds).secondsOfDay;
        series.points.push_back({x, sample.hr});
        if (otherShowsNothing)
            other.points.push_back({x, 0});
    }
}

QStringList joinedTable(const std::vector<SessionSample> &samples, const GraphPreferences &preferences,
                        bool hasGps) {
    const QString &unit = preferences.unit;
    const bool altitudeColumns = hasGps && ListsAltitude(unit);
    const SessionSample *first = FirstSpeedSample(samples);
    // Here a missing first altitude leaves the elevations empty.
    const bool hasBase = first && first->altitude;
    const double base = hasBase ? *first->altitude : 0;
    PaceWindow pace(true);
    AltitudeSmoother smoother(preferences.smoothing);
    QStringList lines;
    for (const SessionSample &sample : samples) {
        QStringList fields{Elapsed(sample.seconds).text};
        if (!isSpeedSample(sample)) {
            for (int empty = altitudeColumns ? 5 : 3; empty > 0; --empty)
                fields << QString();
            fields << NumberText(sample.hr);
            lines << fields.join('\t');
            continue;
        }
        const double distance = DistanceInUnit(sample.distance, unit);
        const double speed = SpeedInUnit(sample.speed, unit);
        fields << NumberText(round(distance, 3)) << NumberText(speed)
               << PaceText(pace.next(distance, speed), preferences.timeSeparator);
        if (altitudeColumns) {
            if (sample.dataType == kGpsSample) {
                const double altitude = smoother.next(sample.altitude);
                fields << NumberText(unit == QLatin1String("km") ? round(HeightInUnit(altitude, unit), 1)
                                                                 : altitude)
                       << (hasBase ? heightText(altitude - base, unit) : QString());
            } else {
                fields << QStringLiteral("0") << QStringLiteral("0");
            }
        }
        fields << QString();
        lines << fields.join('\t');
    }
    return lines;
}

} // namespace

const SessionSample *FirstSpeedSample(const std::vector<SessionSample> &samples) {
    for (const SessionSample &sample : samples)
        if (isSpeedSample(sample))
            return &sample;
    return nullptr;
}

SessionGraphData DeriveHeartRateGraph(const std::vector<SessionSample> &samples) {
    SessionGraphData data{seriesOf(Quantity::HeartRate), seriesOf(Quantity::None), {}};
    for (const SessionSample &sample : samples) {
        const ElapsedTime elapsed = Elapsed(sample.seconds);
        data.left.points.push_back({elapsed.secondsOfDay, sample.hr});
        data.lines << elapsed.text + '\t' + NumberText(sample.hr);
    }
    return data;
}

SessionGraphData DeriveSpeedGraph(const std::vector<SessionSample> &samples, int sessionType, Quantity left,
                                  Quantity right, const GraphPreferences &preferences) {
    const QString &unit = preferences.unit;
    SessionGraphData data{seriesOf(left), seriesOf(right), {}};
    // A left side showing nothing still gets its zeros, in the right side's colour.
    if (left == Quantity::None)
        data.left.colour = QuantityColour(right);
    const bool altitudeColumns = sessionType == kGpsSession && ListsAltitude(unit);
    SpeedWalk walk(preferences, baseAltitude(samples, [](const SessionSample &) { return true; }));
    for (const SessionSample &sample : samples) {
        const SpeedRow row = walk.next(sample);
        const ElapsedTime elapsed = Elapsed(sample.seconds);
        QStringList fields{elapsed.text, NumberText(round(row.distance, 3)), NumberText(row.speed),
                           PaceText(row.pace, preferences.timeSeparator)};
        if (altitudeColumns)
            fields << heightText(row.altitude, unit) << heightText(row.elevation, unit);
        data.lines << fields.join('\t');
        data.left.points.push_back({elapsed.secondsOfDay, plotted(left, row, unit, false)});
        data.right.points.push_back({elapsed.secondsOfDay, plotted(right, row, unit, false)});
    }
    return data;
}

SessionGraphData DeriveJoinedGraph(const std::vector<SessionSample> &samples, Quantity left, Quantity right,
                                   const GraphPreferences &preferences) {
    SessionGraphData data{seriesOf(left), seriesOf(right), {}};
    if (left == Quantity::HeartRate)
        addHeartRateSide(data.left, data.right, samples);
    else
        addSpeedSide(data.left, samples, preferences);
    if (right == Quantity::HeartRate)
        addHeartRateSide(data.right, data.left, samples);
    else if (right != Quantity::None)
        addSpeedSide(data.right, samples, preferences);
    const SessionSample *first = FirstSpeedSample(samples);
    data.lines = joinedTable(samples, preferences, first && first->dataType == kGpsSample);
    return data;
}

} // namespace sessionview
