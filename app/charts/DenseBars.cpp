#include "charts/DenseBars.h"

#include "charts/ChartFrame.h"

#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsObject>
#include <QPainter>
#include <QStackedBarSeries>

#include <algorithm>
#include <cmath>

namespace charts {
namespace {

// Below this width the series' own bars blend with their neighbours.
constexpr double kSolidBarPixels = 3;
// Buckets that meet a column's edge within rounding, in buckets.
constexpr double kEdge = 1e-9;

class DenseBars : public QGraphicsObject {
public:
    DenseBars(QChart &chart, QAbstractBarSeries &series, qreal depth)
        : QGraphicsObject(&chart), chart_(chart), series_(series) {
        setObjectName(QStringLiteral("denseBars"));
        belongsToGraph(*this);
        setZValue(depth);
    }

    QRectF boundingRect() const override { return plot_; }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override {
        const QList<QBarSet *> sets = series_.barSets();
        if (sets.isEmpty())
            return;
        const bool stacked = qobject_cast<QStackedBarSeries *>(&series_) != nullptr;
        QList<qreal> totals(sets.front()->count(), 0.0);
        for (const QBarSet *set : sets)
            for (qsizetype i = 0; i < totals.size() && i < set->count(); ++i)
                totals[i] = stacked ? totals[i] + set->at(i) : std::max(totals[i], set->at(i));

        const QRectF plot = chart_.plotArea();
        const QPointF origin = chart_.mapToPosition(QPointF(0, 0), &series_);
        const QPointF next = chart_.mapToPosition(QPointF(1, 1), &series_);
        const double pixelsPerBucket = next.x() - origin.x();
        const double pixelsPerUnit = origin.y() - next.y();
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setClipRect(plot);
        painter->setPen(Qt::NoPen);
        const auto columns =
            highestPerColumn(totals, origin.x(), pixelsPerBucket, qFloor(plot.left()), qCeil(plot.right()));
        for (const BarColumn &column : columns) {
            double base = 0;
            for (const QBarSet *set : sets) {
                const double value = column.bucket < set->count() ? set->at(column.bucket) : 0;
                const double from = stacked ? base : 0;
                painter->setBrush(set->brush().color());
                painter->drawRect(QRectF(column.pixel, origin.y() - (from + value) * pixelsPerUnit, 1,
                                         value * pixelsPerUnit));
                base += value;
            }
        }
        painter->restore();
    }

    // The series draws its own bars while they are wide enough, this item otherwise.
    void follow() {
        // The scene is told before the item's bounds change: it indexes items by their bounds.
        if (chart_.plotArea() != plot_) {
            prepareGeometryChange();
            plot_ = chart_.plotArea();
        }
        const double pixelsPerBucket = chart_.mapToPosition(QPointF(1, 0), &series_).x() -
                                       chart_.mapToPosition(QPointF(0, 0), &series_).x();
        const bool dense = pixelsPerBucket > 0 && pixelsPerBucket < kSolidBarPixels;
        // The series stays, unseen, for its entries in the legend.
        series_.setOpacity(dense ? 0 : 1);
        setVisible(dense);
        update();
    }

private:
    QChart &chart_;
    QAbstractBarSeries &series_;
    QRectF plot_;
};

} // namespace

std::vector<BarColumn> highestPerColumn(const QList<qreal> &totals, double centreOfFirst,
                                        double pixelsPerBucket, int left, int right) {
    std::vector<BarColumn> columns;
    if (pixelsPerBucket <= 0 || totals.isEmpty())
        return columns;
    // Buckets wider than a pixel: the one under the column's centre. Narrower ones: every bucket
    // that reaches into the column, so that none goes unseen; one that only touches the column's
    // edge stays out of it.
    const bool wide = pixelsPerBucket >= 1;
    for (int pixel = left; pixel < right; ++pixel) {
        // The column in buckets, bucket i reaching from i - 0.5 to i + 0.5.
        const double from = (pixel - centreOfFirst) / pixelsPerBucket + 0.5;
        const double to = (pixel + 1 - centreOfFirst) / pixelsPerBucket + 0.5;
        const double firstShown = wide ? std::floor((from + to) / 2) : std::floor(from + kEdge);
        const double lastShown = wide ? firstShown : std::ceil(to - kEdge) - 1;
        const auto first = static_cast<qsizetype>(std::max(0.0, firstShown));
        const auto last = static_cast<qsizetype>(std::min(double(totals.size() - 1), lastShown));
        if (first > last)
            continue;
        const auto highest = std::max_element(totals.begin() + first, totals.begin() + last + 1);
        columns.push_back({pixel, highest - totals.begin()});
    }
    return columns;
}

void keepDenseBarsSolid(QChart &chart, QAbstractBarSeries &series, qreal depth) {
    auto *bars = new DenseBars(chart, series, depth);
    followSeries(chart, series, *bars, [bars] { bars->follow(); });
}

} // namespace charts
