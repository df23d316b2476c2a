#pragma once

#include <QString>
#include <Qt>

class QAbstractAxis;
class QChart;
class QFont;

// How long an axis is on the screen and how much of that length one label takes.
namespace charts {

// The plot's length in pixels along the orientation, or a likely one before the chart is laid out.
double plotLength(const QChart *chart, Qt::Orientation orientation);

// The room along an axis of that orientation that a label of this text needs to stand clear of
// the next one.
double labelRoom(const QFont &font, Qt::Orientation orientation, const QString &text);

// An axis title as it stands beside a plot with room pixels for it: on one line where the line
// fits, else on two lines broken at the blank that leaves the longer line shortest (a line break
// written "<br>", as axis titles are rich text).
QString fittedTitle(const QString &title, const QFont &font, double room);

// Keeps the title of a vertical axis whole as the plot's height changes, on two lines where one
// would be cut short.
void keepTitleWhole(QChart &chart, QAbstractAxis &axis);

} // namespace charts
