#pragma once

#include "analysis/TrackPlot.h"

#include <QString>

class QChart;

namespace analysis {

struct TrackChartOptions {
    QString header;      // the chart's title
    QString markerTitle; // the legend's name of the numbered markers
    bool markers = true; // the numbered markers are drawn
    bool legend = true;
};

// Draws the track on an emptied chart, in this order: the track as a red line (not in the
// legend), "Start" as a lime triangle, "End" as a blue diamond and, when asked for, the markers
// as black crosses labelled with their numbers, the numbers over the crosses. Both axes keep one
// scale whatever the chart's size, with room around the track for the marks on its edges.
void DrawTrack(QChart &chart, const TrackPlot &plot, const TrackChartOptions &options);

} // namespace analysis
