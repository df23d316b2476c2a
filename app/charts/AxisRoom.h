#pragma once

#include <QFont>
#include <QString>
#include <Qt>

class QAbstractAxis;
class QChart;

// How long an axis is on the screen and how much of that length one label takes.
namespace charts {

// The plot's length in pixels along the orientation, or a likely one before the chart is laid out.
double plotLength(const QChart *chart, Qt::Orientation orientation);

// The room along an axis of that orientation that a label of this text needs to stand clear of
// the next one.
double labelRoom(const QFont &font, Qt::Orientation orientation, const QString &text);

// How many non-breaking blanks the labels of a vertical axis need beside them, when its widest
// label is that text, for the axis to keep room for its whole title: the chart takes the room of
// "..." from the axis' width for its labels, and labels narrower than that leave the title too
// little room, so it is cut short.
int blanksBesideNarrowLabels(const QFont &font, const QString &widestLabel);

struct FittedTitle {
    QString text;
    QFont font;
};

// An axis title as it stands beside a plot with room pixels for it: on one line where the line
// fits, else on two lines broken at the blank that leaves the longer line shortest (a line break
// written "<br>", as axis titles are rich text). A line that is too long even so, a long word
// beside a short plot, is written in a smaller font, half a point at a time down to 6 points.
FittedTitle fittedTitle(const QString &title, const QFont &font, double room);

// Keeps the title of a vertical axis whole as the plot's height changes, on two lines where one
// would be cut short, smaller where two would.
void keepTitleWhole(QChart &chart, QAbstractAxis &axis);

} // namespace charts
