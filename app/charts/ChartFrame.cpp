#include "charts/ChartFrame.h"

#include "charts/AxisSteps.h"
#include "charts/BucketAxis.h"
#include "charts/DurationAxis.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>

namespace charts {
namespace {

// Ticks on a plain axis: few enough for their labels to stand apart on a pane of usual height.
constexpr int kValueTicks = 8;
// Bars fill their bucket when there are so many that gaps between them would only flicker.
constexpr int kManyBars = 150;
constexpr qreal kBarWidth = 0.7;

void attach(QChart &chart, QAbstractSeries *series, QAbstractAxis &x, QAbstractAxis &y) {
    chart.addSeries(series);
    series->attachAxis(&x);
    series->attachAxis(&y);
}

QBarSet *barSet(const BarLayer &layer) {
    auto *set = new QBarSet(layer.name);
    set->append(layer.values);
    set->setColor(layer.colour);
    // A bar's outline would be drawn as a path of its own: thousands of them take seconds.
    set->setPen(Qt::NoPen);
    return set;
}

template <typename Series> void shapeBars(Series *series, qsizetype count) {
    series->setBarWidth(count > kManyBars ? 1.0 : kBarWidth);
    series->setLabelsVisible(false);
}

// The axis' range after a series was attached to it, which rescales it to the series.
struct KeptRange {
    explicit KeptRange(QAbstractAxis &axis) : axis(qobject_cast<QValueAxis *>(&axis)) {
        if (this->axis) {
            low = this->axis->min();
            high = this->axis->max();
        }
    }
    ~KeptRange() {
        if (axis)
            axis->setRange(low, high);
    }
    QValueAxis *axis;
    qreal low = 0;
    qreal high = 0;
};

} // namespace

QColor colourFromValue(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void reset(QChart &chart) {
    chart.removeAllSeries();
    for (QAbstractAxis *axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    chart.setAnimationOptions(QChart::NoAnimation);
    chart.setTitle(QString());
    chart.legend()->hide();
    chart.legend()->setAlignment(Qt::AlignBottom);
}

BucketAxis *addBucketAxis(QChart &chart, const QStringList &buckets, Qt::Alignment side) {
    auto *axis = new BucketAxis;
    axis->setGridLineVisible(false);
    axis->setBuckets(buckets);
    axis->addTo(chart, side);
    return axis;
}

DurationAxis *addDurationAxis(QChart &chart, Qt::Alignment side, const QString &separator,
                              double minimumStep) {
    auto *axis = new DurationAxis(separator, minimumStep);
    axis->addTo(chart, side);
    return axis;
}

QValueAxis *addValueAxis(QChart &chart, Qt::Alignment side) {
    auto *axis = new QValueAxis;
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setLabelFormat(QStringLiteral("%g"));
    QObject::connect(axis, &QValueAxis::rangeChanged, axis, [axis](qreal low, qreal high) {
        axis->setTickInterval(niceInterval(high - low, kValueTicks));
    });
    chart.addAxis(axis, side);
    return axis;
}

QBarSeries *addBars(QChart &chart, QAbstractAxis &buckets, QAbstractAxis &values, const BarLayer &layer) {
    auto *series = new QBarSeries;
    series->append(barSet(layer));
    shapeBars(series, layer.values.size());
    const KeptRange keepBuckets(buckets);
    attach(chart, series, buckets, values);
    return series;
}

QStackedBarSeries *addStackedBars(QChart &chart, QAbstractAxis &buckets, QAbstractAxis &values,
                                  const std::vector<BarLayer> &layers) {
    auto *series = new QStackedBarSeries;
    qsizetype count = 0;
    for (const BarLayer &layer : layers) {
        series->append(barSet(layer));
        count = std::max(count, layer.values.size());
    }
    shapeBars(series, count);
    const KeptRange keepBuckets(buckets);
    attach(chart, series, buckets, values);
    return series;
}

QLineSeries *addLine(QChart &chart, QAbstractAxis &x, QAbstractAxis &y, const QList<QPointF> &points,
                     const LineStyle &style, const QString &name) {
    auto *series = new QLineSeries;
    series->setName(name);
    series->replace(points);
    QPen pen(style.colour);
    pen.setWidth(style.width);
    series->setPen(pen);
    series->setPointsVisible(style.markers);
    attach(chart, series, x, y);
    return series;
}

QLineSeries *addBucketLine(QChart &chart, QAbstractAxis &buckets, QAbstractAxis &values,
                           const QList<qreal> &perBucket, const QColor &colour) {
    QList<QPointF> points;
    points.reserve(perBucket.size());
    for (qsizetype i = 0; i < perBucket.size(); ++i)
        points.append(QPointF(static_cast<qreal>(i), perBucket[i]));
    const KeptRange keepBuckets(buckets);
    return addLine(chart, buckets, values, points, {colour, 2, true});
}

void scaleFromZero(QValueAxis &axis, double smallest, double largest, double headroom) {
    const double low = std::min(0.0, smallest);
    double high = largest + headroom;
    if (high <= low)
        high = low + 1;
    axis.setRange(low, high);
}

double largestOf(const QList<qreal> &values) {
    return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
}

double smallestOf(const QList<qreal> &values) {
    return values.isEmpty() ? 0 : *std::min_element(values.begin(), values.end());
}

void colourAxis(QAbstractAxis &axis, const QColor &line, const QColor &grid) {
    axis.setLinePenColor(line);
    axis.setGridLineColor(grid);
}

void showLegend(QChart &chart, Qt::Alignment side) {
    chart.legend()->setAlignment(side);
    chart.legend()->show();
}

void renderInto(QChart &chart, QPainter &painter, const QRectF &target, const QSizeF &layoutSize) {
    QGraphicsScene ownScene;
    QGraphicsScene *scene = chart.scene();
    if (!scene) {
        scene = &ownScene;
        scene->addItem(&chart);
    }
    const QSizeF shownSize = chart.size();
    chart.resize(layoutSize);
    if (chart.layout())
        chart.layout()->activate();
    QCoreApplication::sendPostedEvents(&chart, QEvent::LayoutRequest);
    scene->render(&painter, target, chart.sceneBoundingRect());
    chart.resize(shownSize);
    if (scene == &ownScene)
        scene->removeItem(&chart);
}

QImage renderImage(QChart &chart, const QSize &size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderInto(chart, painter, QRectF(QPointF(0, 0), QSizeF(size)), QSizeF(size));
    }
    return image;
}

} // namespace charts
