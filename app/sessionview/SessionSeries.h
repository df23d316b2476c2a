#pragma once

#include "sessionview/SessionGraphQuantity.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The points and the table lines of one activity's graph, derived from its samples and the
// athlete's preferences. No database and no chart: the graph's frame reads the samples and
// draws what these functions return.
namespace sessionview {

// One row of sessiondata, as stored: miles, miles per hour and feet.
struct SessionSample {
    double seconds = 0; // from the start of the activity
    int dataType = kHeartRateSample;
    double hr = 0;
    double speed = 0;
    double distance = 0;
    std::optional<double> altitude;
    bool hasPosition = false;
};

struct GraphPreferences {
    QString unit = QStringLiteral("mi"); // the preferred distance unit
    bool smoothing = false;
    QString timeSeparator = QStringLiteral(":");
};

// x is the elapsed time as a time of day in seconds.
struct GraphPoint {
    double x = 0;
    double y = 0;
    bool operator==(const GraphPoint &) const = default;
};

struct GraphSeries {
    SessionGraphQuantity quantity = SessionGraphQuantity::None;
    QColor colour;
    std::vector<GraphPoint> points;
};

// The left and the right series, and the table's data lines (its headings are the frame's).
struct SessionGraphData {
    GraphSeries left;
    GraphSeries right;
    QStringList lines;
};

// The first speed or GPS sample, if any.
const SessionSample *FirstSpeedSample(const std::vector<SessionSample> &samples);

// A heart-rate activity: heart rate on the left, nothing on the right.
SessionGraphData DeriveHeartRateGraph(const std::vector<SessionSample> &samples);

// A speed (type 1) or GPS (type 5) activity: every sample is a speed sample, and both sides get
// a point per sample, 0 for a side that shows nothing.
SessionGraphData DeriveSpeedGraph(const std::vector<SessionSample> &samples, int sessionType,
                                  SessionGraphQuantity left, SessionGraphQuantity right,
                                  const GraphPreferences &preferences);

// Heart rate joined with speed or GPS (type 20): heart rate is drawn from the heart-rate samples,
// the other quantities from the speed samples; a side that shows nothing gets zeros, a heart-rate
// line never does. The table interleaves both kinds in time order; it has altitude columns when
// the first speed sample is a GPS sample.
SessionGraphData DeriveJoinedGraph(const std::vector<SessionSample> &samples, SessionGraphQuantity left,
                                   SessionGraphQuantity right, const GraphPreferences &preferences);

} // namespace sessionview
