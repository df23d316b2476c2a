#pragma once

#include <QString>

class QAbstractAxis;
class QChart;

namespace charts {

// Leaves room left of the plot for the first label of a horizontal axis whose labels stand on
// their values, where no vertical axis stands there to make it: the chart leaves out a label
// that would reach past the plot's left edge, and the origin of the graph would go unlabelled.
// The room is a blank axis, as wide as half the widest label that the axis may show.
void leaveRoomForOriginLabel(QChart &chart, QAbstractAxis &horizontal, const QString &widestLabel);

} // namespace charts
