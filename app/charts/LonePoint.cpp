#include "charts/LonePoint.h"

#include "charts/ChartFrame.h"

#include <QChart>
#include <QGraphicsObject>
#include <QPainter>
#include <QXYSeries>

namespace charts {
namespace {

constexpr double kDotRadius = 4;
constexpr qreal kAboveTheSeries = 1000;

class LonePointMark : public QGraphicsObject {
public:
    LonePointMark(QChart &chart, QXYSeries &series)
        : QGraphicsObject(&chart), chart_(chart), series_(series) {
        setObjectName(QStringLiteral("lonePoint"));
        belongsToGraph(*this);
        setZValue(kAboveTheSeries);
    }

    QRectF boundingRect() const override {
        return QRectF(-kDotRadius, -kDotRadius, 2 * kDotRadius, 2 * kDotRadius);
    }

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(series_.color());
        painter->drawEllipse(boundingRect());
    }

    void place() {
        const QPointF at = chart_.mapToPosition(series_.at(0), &series_);
        // Half a pixel of slack: a point on the edge maps onto it give or take a rounding.
        setVisible(chart_.plotArea().adjusted(-0.5, -0.5, 0.5, 0.5).contains(at));
        setPos(at);
    }

private:
    QChart &chart_;
    QXYSeries &series_;
};

} // namespace

void markLonePoint(QChart &chart, QXYSeries &series) {
    if (series.count() != 1)
        return;
    auto *mark = new LonePointMark(chart, series);
    followSeries(chart, series, *mark, [mark] { mark->place(); });
}

} // namespace charts
