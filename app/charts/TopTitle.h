#pragma once

#include <QString>

class QAbstractAxis;
class QChart;

// A title above a graph's plot, where a top axis would carry it, for a graph that draws nothing
// against such an axis: the axis would take a row for labels that a small pane cannot spare.
namespace charts {

// Puts the title centred above the plot, in the font and colour of the axis' title. The chart's
// reset() takes it away.
void addTopTitle(QChart &chart, const QString &title, const QAbstractAxis &styleOf);

// The title above the plot as a line of rich text in its own font and colour; empty without one.
QString topTitleLine(const QChart &chart);

// Shows or hides the title above the plot: while the chart's own title is shown, that title
// carries it as its last line instead.
void showTopTitle(QChart &chart, bool shown);

} // namespace charts
