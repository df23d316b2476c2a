#pragma once

#include "sessionview/SessionAxisRange.h"
#include "sessionview/SessionGraphTitles.h"
#include "sessionview/SessionSeries.h"

#include <QString>

#include <optional>

class QChart;

// Puts an activity's derived series on the pane's chart: the elapsed time along the bottom,
// each side's quantity on its own vertical axis.
namespace sessionview {

struct ChartSide {
    GraphSeries series;
    QString title; // of the axis, written in the series' colour; empty keeps no title
    AxisScale scale;
};

struct ChartTexts {
    TimeTitles timeTitles;
    QString timeSeparator;
    QString distanceTitle; // above the plot, where a top axis would stand; none when empty
};

// The elapsed time that the graph spans, as the x of its points: from its first to its last sample.
struct TimeSpan {
    double first = 0;
    double last = 0;
};

// Replaces whatever the chart showed. Without a right side the chart has one vertical axis; a side
// that shows nothing draws nothing.
void DrawSessionChart(QChart &chart, const ChartSide &left, const std::optional<ChartSide> &right,
                      const ChartTexts &texts, TimeSpan span);

} // namespace sessionview
