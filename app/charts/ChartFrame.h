#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QAbstractAxis;
class QAbstractSeries;
class QBarSeries;
class QChart;
class QGraphicsItem;
class QLineSeries;
class QObject;
class QPainter;
class QStackedBarSeries;
class QValueAxis;

// The one chart layer of the program over Qt Charts: every graph starts from reset() and builds
// its axes and series with these helpers.
namespace charts {

class BucketAxis;
class DurationAxis;

// Makes a chart write the numbers of its axes as the user's system writes numbers (its decimal
// separator, no grouping) and gives its plot the whole pane, without a frame around it. Every
// chart of the program is set up so once, when it is made.
void setUpChart(QChart &chart);

// A colour stored as one number, red + 256 green + 65536 blue.
QColor colourFromValue(int value);

// Empties the chart for the next graph: every series, every axis and every item that belongs to
// the graph goes, so no range, inversion, visibility or title of the previous graph is left; the
// legend and the title are hidden, the margins narrow and nothing is animated.
void reset(QChart &chart);

// Makes an item drawn over the chart (one of its child items) part of the graph now shown.
void belongsToGraph(QGraphicsItem &item);

// Keeps an item drawn over the chart in step with a series: calls place now, and again whenever
// the plot is resized or a value axis of the series is zoomed or moved, for as long as the item
// lives.
void followSeries(QChart &chart, QAbstractSeries &series, QObject &item, const std::function<void()> &place);

// Axes, each added to the chart at the side given.
BucketAxis *addBucketAxis(QChart &chart, const QStringList &buckets, Qt::Alignment side = Qt::AlignBottom);
DurationAxis *addDurationAxis(QChart &chart, Qt::Alignment side,
                              const QString &separator = QStringLiteral(":"), double minimumStep = 10);
// A plain number axis with ticks at round intervals, as many as its labels leave room for, each
// labelled with the decimals that the interval needs.
QValueAxis *addValueAxis(QChart &chart, Qt::Alignment side);

// One layer of bars: a value per bucket.
struct BarLayer {
    QString name;
    QColor colour;
    QList<qreal> values;
};

// One bar per bucket, standing at the bucket's place on the bucket axis.
QBarSeries *addBars(QChart &chart, QAbstractAxis &buckets, QAbstractAxis &values, const BarLayer &layer);
// The layers stacked in one bar per bucket, the first layer at the bottom.
QStackedBarSeries *addStackedBars(QChart &chart, QAbstractAxis &buckets, QAbstractAxis &values,
                                  const std::vector<BarLayer> &layers);

struct LineStyle {
    QColor colour;
    int width = 2;
    bool markers = false; // a dot on every point
};
QLineSeries *addLine(QChart &chart, QAbstractAxis &x, QAbstractAxis &y, const QList<QPointF> &points,
                     const LineStyle &style, const QString &name = QString());
// A line through one value per bucket, over the buckets' places, with a dot on each.
QLineSeries *addBucketLine(QChart &chart, QAbstractAxis &buckets, QAbstractAxis &values,
                           const QList<qreal> &perBucket, const QColor &colour);

// Scales a value axis from the smaller of 0 and the smallest value up to the largest value plus
// the headroom; an axis without room (all values 0 and no headroom) gets a range of 1.
void scaleFromZero(QValueAxis &axis, double smallest, double largest, double headroom = 0);
// The largest and the smallest of the values, 0 for none.
double largestOf(const QList<qreal> &values);
double smallestOf(const QList<qreal> &values);

// Gives the axis line and its grid the colours given.
void colourAxis(QAbstractAxis &axis, const QColor &line, const QColor &grid);

void showLegend(QChart &chart, Qt::Alignment side = Qt::AlignBottom);

// Lays the chart out at the size at once, as it is before a picture of it is drawn.
void layOut(QChart &chart, const QSizeF &size);

// Lays the chart out at layoutSize, draws it into the painter's target, then gives the chart back
// its own size.
void renderInto(QChart &chart, QPainter &painter, const QRectF &target, const QSizeF &layoutSize);

// The chart drawn at the given size into an image, as a picture to save, print or compare.
// The chart is laid out for that size while it draws and gets its own size back afterwards.
QImage renderImage(QChart &chart, const QSize &size);

} // namespace charts
