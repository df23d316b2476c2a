#pragma once

#include "analysis/CourseStatistics.h"

#include <QPointF>
#include <QStringList>

#include <optional>
#include <vector>

// The GPS track of an activity as a flat map: positions in radians, longitudes drawn closer
// together by the cosine of the middle latitude, both axes at the same scale.
namespace analysis {

// The positions that frame the plot, in signed decimal degrees.
struct TrackBox {
    double minLatitude = 0;
    double maxLatitude = 0;
    double minLongitude = 0;
    double maxLongitude = 0;
};

struct AxisRange {
    double min = 0;
    double max = 0;
    double span() const { return max - min; }
};

struct TrackMarker {
    QPointF at;
    int number = 0;
};

struct TrackPlot {
    std::vector<QPointF> track; // the fixed positions in time order
    std::optional<QPointF> start;
    std::optional<QPointF> end;
    std::vector<TrackMarker> markers; // numbered crosses; a marker on the end is the end alone
    TrackBox box;                     // of the fixed positions; the first position when none is fixed
    double width = 0;                 // of the box as drawn, radians
    double height = 0;
    AxisRange horizontal; // radians, as long as the vertical one
    AxisRange vertical;
};

// The plot of the samples (speed and GPS samples in time order) with the markers of their
// course statistics rows. Positions the recorder had not fixed are not drawn.
TrackPlot PlotTrack(const std::vector<CourseSample> &samples, const std::vector<CourseRow> &rows);

// The samples as a table of lines: time, latitude, longitude and the smoothed altitude, in metres
// to one decimal for the metric unit, otherwise in feet.
QStringList TrackTableLines(const std::vector<CourseSample> &samples, const QString &unit,
                            bool heavySmoothing);

} // namespace analysis
