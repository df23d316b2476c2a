#include "charts/ChartFrame.h"

#include "charts/AxisRoom.h"
#include "charts/AxisSteps.h"
#include "charts/BucketAxis.h"
#include "charts/DenseBars.h"
#include "charts/DurationAxis.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPainter>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace charts {
namespace {

// Ticks on a plain axis: at most so many, and fewer where their labels would not stand apart.
constexpr int kValueTicks = 8;
// Room around the plot and its axes: a small pane needs every pixel for them.
constexpr int kChartMargin = 4;
// Layouts of a chart until its axes have settled on their ticks.
constexpr int kLayoutPasses = 3;
// Marks an item drawn over a chart as part of the graph now shown.
constexpr int kGraphItemKey = 0x6772;
// Bars fill their bucket when there are so many that gaps between them would only flicker.
constexpr int kManyBars = 150;
constexpr qreal kBarWidth = 0.7;

void attach(QChart &chart, QAbstractSeries *series, QAbstractAxis &x, QAbstractAxis &y) {
    chart.addSeries(series);
    series->attachAxis(&x);
    series->attachAxis(&y);
}

// Adds the bars, drawn solid while they are too narrow to be drawn one by one.
void attachBars(QChart &chart, QAbstractBarSeries *series, QAbstractAxis &buckets, QAbstractAxis &values) {
    const QList<QGraphicsItem *> before = chart.childItems();
    attach(chart, series, buckets, values);
    qreal depth = 0;
    for (const QGraphicsItem *item : chart.childItems())
        if (!before.contains(item))
            depth = item->zValue();
    keepDenseBarsSolid(chart, *series, depth);
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

// The longest of the labels at the multiples of the interval within the axis' range: its first or
// its last.
QString widestLabel(const QValueAxis &axis, const QChart &chart, double interval) {
    const int decimals = decimalsOf(interval);
    const QLocale locale = chart.localizeNumbers() ? chart.locale() : QLocale::c();
    const double first = std::ceil(axis.min() / interval - 1e-9) * interval;
    const double last = std::floor(axis.max() / interval + 1e-9) * interval;
    QString widest;
    for (const double value : {first, last}) {
        const QString text = locale.toString(value, 'f', decimals);
        if (text.size() > widest.size())
            widest = text;
    }
    return widest;
}

// The label format of a value axis: as many decimals as its tick interval needs, and on a vertical
// axis whose labels are narrow, blanks on their far side from the plot that keep the axis wide
// enough for its title.
QString labelFormat(const QValueAxis &axis, double interval, const QString &widest) {
    QString format = QStringLiteral("%.") + QString::number(decimalsOf(interval)) + QLatin1Char('f');
    if (axis.orientation() != Qt::Vertical)
        return format;
    // Labels are rich text: the blanks are written as entities, which stay whole and plain.
    const QString blanks =
        QStringLiteral("&nbsp;").repeated(blanksBesideNarrowLabels(axis.labelsFont(), widest));
    return axis.alignment() == Qt::AlignRight ? format + blanks : blanks + format;
}

// Ticks at round multiples that leave each label its room on the plot, each labelled with the
// decimals of the interval.
void retick(QValueAxis &axis, const QChart &chart) {
    const double range = axis.max() - axis.min();
    const double interval =
        valueTickInterval(range, plotLength(&chart, axis.orientation()), kValueTicks, [&](double interval) {
            return labelRoom(axis.labelsFont(), axis.orientation(), widestLabel(axis, chart, interval));
        });
    if (interval != axis.tickInterval())
        axis.setTickInterval(interval);
    const QString format = labelFormat(axis, interval, widestLabel(axis, chart, interval));
    if (format != axis.labelFormat())
        axis.setLabelFormat(format);
}

} // namespace

void setUpChart(QChart &chart) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    chart.setLocale(locale);
    chart.setLocalizeNumbers(true);
    // The plot takes the whole pane: a small pane has no pixels to spare for a frame.
    chart.layout()->setContentsMargins(0, 0, 0, 0);
    chart.setBackgroundRoundness(0);
}

QColor colourFromValue(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void reset(QChart &chart) {
    for (QGraphicsItem *item : chart.childItems()) {
        if (item->data(kGraphItemKey).toBool())
            delete item;
    }
    chart.setMargins(QMargins(kChartMargin, kChartMargin, kChartMargin, kChartMargin));
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

void belongsToGraph(QGraphicsItem &item) {
    item.setData(kGraphItemKey, true);
}

void followSeries(QChart &chart, QAbstractSeries &series, QObject &item, const std::function<void()> &place) {
    QObject::connect(&chart, &QChart::plotAreaChanged, &item, place);
    for (QAbstractAxis *axis : series.attachedAxes())
        if (auto *values = qobject_cast<QValueAxis *>(axis))
            QObject::connect(values, &QValueAxis::rangeChanged, &item, place);
    place();
}

QValueAxis *addValueAxis(QChart &chart, Qt::Alignment side) {
    auto *axis = new QValueAxis;
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    // The ticks leave every label its room: a label that Qt thinks short of room stays whole.
    axis->setTruncateLabels(false);
    chart.addAxis(axis, side);
    keepTitleWhole(chart, *axis);
    const auto update = [axis, &chart] { retick(*axis, chart); };
    QObject::connect(axis, &QValueAxis::rangeChanged, axis, update);
    QObject::connect(axis, &QAbstractAxis::labelsFontChanged, axis, update);
    QObject::connect(&chart, &QChart::plotAreaChanged, axis, update);
    update();
    return axis;
}

QBarSeries *addBars(QChart &chart, QAbstractAxis &buckets, QAbstractAxis &values, const BarLayer &layer) {
    auto *series = new QBarSeries;
    series->append(barSet(layer));
    shapeBars(series, layer.values.size());
    const KeptRange keepBuckets(buckets);
    attachBars(chart, series, buckets, values);
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
    attachBars(chart, series, buckets, values);
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

void layOut(QChart &chart, const QSizeF &size) {
    chart.resize(size);
    // Axes that choose their ticks for the new size lay the chart out again.
    for (int pass = 0; pass < kLayoutPasses; ++pass) {
        if (chart.layout())
            chart.layout()->activate();
        QCoreApplication::sendPostedEvents(&chart, QEvent::LayoutRequest);
    }
}

void renderInto(QChart &chart, QPainter &painter, const QRectF &target, const QSizeF &layoutSize) {
    QGraphicsScene ownScene;
    QGraphicsScene *scene = chart.scene();
    if (!scene) {
        scene = &ownScene;
        scene->addItem(&chart);
    }
    const QSizeF shownSize = chart.size();
    layOut(chart, layoutSize);
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
