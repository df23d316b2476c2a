#include "sessionview/SessionGraphChart.h"

#include "charts/AxisSteps.h"
#include "charts/ChartFrame.h"
#include "charts/DurationAxis.h"
#include "charts/LonePoint.h"
#include "charts/OriginRoom.h"
#include "charts/TopTitle.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

namespace sessionview {
namespace {

const QColor kTimeAxisColour = charts::colourFromValue(5553837);
const QColor kValueAxisColour = charts::colourFromValue(5553833);
constexpr int kLineWidth = 3;
// The time labels may stand as close as a second apart once the athlete zooms in.
constexpr double kSmallestTimeStep = 1.0 / 60;

QList<QPointF> inMinutes(const std::vector<GraphPoint> &points) {
    QList<QPointF> minutes;
    minutes.reserve(static_cast<qsizetype>(points.size()));
    for (const GraphPoint &point : points)
        minutes.append(QPointF(point.x / 60, point.y));
    return minutes;
}

bool draws(const ChartSide &side) {
    return side.series.quantity != SessionGraphQuantity::None;
}

void addSide(QChart &chart, QAbstractAxis &time, const ChartSide &side, Qt::Alignment alignment) {
    if (!draws(side))
        return;
    QValueAxis *axis = charts::addValueAxis(chart, alignment);
    charts::colourAxis(*axis, kValueAxisColour, kValueAxisColour.lighter(140));
    axis->setTitleText(side.title);
    axis->setTitleBrush(side.series.colour);
    QLineSeries *line = charts::addLine(chart, time, *axis, inMinutes(side.series.points),
                                        {side.series.colour, kLineWidth}, side.title);
    charts::markLonePoint(chart, *line);
    axis->setRange(side.scale.minimum, side.scale.maximum);
    axis->setReverse(side.scale.inverted);
    axis->setVisible(side.scale.visible);
}

} // namespace

void DrawSessionChart(QChart &chart, const ChartSide &left, const std::optional<ChartSide> &right,
                      const ChartTexts &texts, TimeSpan span) {
    charts::reset(chart);
    charts::DurationAxis *time =
        charts::addDurationAxis(chart, Qt::AlignBottom, texts.timeSeparator, kSmallestTimeStep);
    time->setTitles(texts.timeTitles.clock, texts.timeTitles.withSeconds);
    charts::colourAxis(*time, kTimeAxisColour, kTimeAxisColour.lighter(140));
    if (!texts.distanceTitle.isEmpty())
        charts::addTopTitle(chart, texts.distanceTitle, *time);
    addSide(chart, *time, left, Qt::AlignLeft);
    if (right)
        addSide(chart, *time, *right, Qt::AlignRight);
    if (!draws(left))
        charts::leaveRoomForOriginLabel(chart, *time, charts::clockText(0, texts.timeSeparator, true));
    time->setRange(span.first / 60, span.last > span.first ? span.last / 60 : span.first / 60 + 1);
}

} // namespace sessionview
