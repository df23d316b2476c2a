#pragma once

class QChart;
class QXYSeries;

namespace charts {

// Shows a series of a single point as a dot in the series' colour: a line through one point draws
// nothing. A series of more points, or of none, is left as it is. The dot follows the point as the
// plot is resized, zoomed or moved, and stands whole even on the plot's edge, where the chart cuts
// what it draws of its series. The chart's reset() takes it away.
void markLonePoint(QChart &chart, QXYSeries &series);

} // namespace charts
