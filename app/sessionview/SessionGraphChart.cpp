#include "sessionview/SessionGraphChart.h"

#include "charts/ChartFrame.h"
#include "charts/DurationAxis.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace sessionview {
namespace {

const QColor kTimeAxisColour = charts::colourFromValue(5553837);
const QColor kValueAxisColour = charts::colourFromValue(5553833);
constexpr int kLineWidth = 3;
// Labels of the time axis stand at least ten minutes apart.
constexpr double kTimeStepMinutes = 10;

QList<QPointF> inMinutes(const std::vector<GraphPoint> &points) {
    QList<QPointF> minutes;
    minutes.reserve(static_cast<qsizetype>(points.size()));
    for (const GraphPoint &point : points)
        minutes.append(QPointF(point.x / 60, point.y));
    return minutes;
}

void addSide(QChart &chart, QAbstractAxis &time, const ChartSide &side, Qt::Alignment alignment) {
    QValueAxis *axis = charts::addValueAxis(chart, alignment);
    charts::colourAxis(*axis, kValueAxisColour, kValueAxisColour.lighter(140));
    axis->setTitleText(side.title);
    axis->setTitleBrush(side.series.colour);
    charts::addLine(chart, time, *axis, inMinutes(side.series.points), {side.series.colour, kLineWidth},
                    side.title);
    axis->setRange(side.scale.minimum, side.scale.maximum);
    axis->setReverse(side.scale.inverted);
    axis->setVisible(side.scale.visible);
}

// The top axis names the distance unit; no series is drawn against it.
void addDistanceTitle(QChart &chart, const QString &title) {
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    // Hidden labels would leave the title no room: they stay, unseen.
    axis->setLabelsColor(Qt::transparent);
    axis->setGridLineVisible(false);
    axis->setMinorGridLineVisible(false);
    axis->setTickCount(2);
    charts::colourAxis(*axis, kTimeAxisColour, kTimeAxisColour);
    chart.addAxis(axis, Qt::AlignTop);
    // The chart lays out only axes that carry a series: this one carries an empty one.
    auto *carrier = new QLineSeries;
    chart.addSeries(carrier);
    carrier->attachAxis(axis);
}

// The time axis spans the activity, from its first to its last point.
void spanTime(QValueAxis &time, const ChartSide &left, const std::optional<ChartSide> &right) {
    double first = 0;
    double last = 0;
    bool any = false;
    for (const ChartSide *side : {&left, right ? &*right : nullptr}) {
        if (!side)
            continue;
        for (const GraphPoint &point : side->series.points) {
            first = any ? std::min(first, point.x) : point.x;
            last = any ? std::max(last, point.x) : point.x;
            any = true;
        }
    }
    time.setRange(first / 60, last > first ? last / 60 : first / 60 + 1);
}

} // namespace

void DrawSessionChart(QChart &chart, const ChartSide &left, const std::optional<ChartSide> &right,
                      const ChartTexts &texts) {
    charts::reset(chart);
    charts::DurationAxis *time =
        charts::addDurationAxis(chart, Qt::AlignBottom, texts.timeSeparator, kTimeStepMinutes);
    time->setTitleText(texts.timeTitle);
    charts::colourAxis(*time, kTimeAxisColour, kTimeAxisColour.lighter(140));
    if (!texts.distanceTitle.isEmpty())
        addDistanceTitle(chart, texts.distanceTitle);
    addSide(chart, *time, left, Qt::AlignLeft);
    if (right)
        addSide(chart, *time, *right, Qt::AlignRight);
    spanTime(*time, left, right);
}

} // namespace sessionview
