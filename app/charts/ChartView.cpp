#include "charts/ChartView.h"

#include "charts/LabelledAxis.h"

#include <QMouseEvent>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>

namespace charts {
namespace {

constexpr int kZoomSteps = 5;
constexpr int kStepMilliseconds = 20;
// A drag shorter than this either way is a click, not a zoom.
constexpr int kLeastDrag = 8;

// The value at a place along an axis, the place given as a share of the plot from its left
// (or top) edge.
double valueAt(const QValueAxis &axis, double share) {
    const bool vertical = axis.orientation() == Qt::Vertical;
    // Vertical axes grow upwards, reversed ones the other way.
    const bool fromMaximum = vertical != axis.isReverse();
    const double span = axis.max() - axis.min();
    return fromMaximum ? axis.max() - share * span : axis.min() + share * span;
}

} // namespace

double shiftWithin(double low, double high, double shift, double first, double last) {
    // A view wider than the limits, or beyond them already, goes no further out.
    const double most = std::max(0.0, low - first);
    const double least = std::min(0.0, high - last);
    return std::clamp(shift, least, std::max(least, most));
}

ChartView::ChartView(QChart *chart, QWidget *parent) : QChartView(chart, parent) {
    // The graph answers no key, so Tab passes it by, and a click on it leaves the focus where it
    // was.
    setFocusPolicy(Qt::NoFocus);
    stepTimer_.setInterval(kStepMilliseconds);
    connect(&stepTimer_, &QTimer::timeout, this, &ChartView::step);
}

QList<QValueAxis *> ChartView::valueAxes() const {
    QList<QValueAxis *> axes;
    for (QAbstractAxis *axis : chart()->axes())
        if (auto *values = qobject_cast<QValueAxis *>(axis))
            axes.append(values);
    return axes;
}

bool ChartView::isZoomed() const {
    // A graph drawn afresh has new axes: the view remembered belonged to the old ones.
    for (const AxisRange &range : drawnView_)
        if (range.axis && chart()->axes().contains(range.axis.data()))
            return true;
    return false;
}

void ChartView::keepDrawnView() {
    if (isZoomed())
        return;
    drawnView_.clear();
    for (QValueAxis *axis : valueAxes())
        drawnView_.append({axis, axis->min(), axis->max()});
}

void ChartView::undoZoom() {
    stepsLeft_ = 0;
    stepTimer_.stop();
    for (const AxisRange &range : std::as_const(drawnView_))
        if (range.axis)
            range.axis->setRange(range.minimum, range.maximum);
    drawnView_.clear();
    emit zoomUndone();
}

void ChartView::zoomTo(const QRect &area) {
    const QRectF plot = chart()->plotArea();
    const QRectF chosen = QRectF(chart()->mapFromScene(mapToScene(area)).boundingRect()).intersected(plot);
    if (chosen.isEmpty())
        return;
    keepDrawnView();
    zoomSteps_.clear();
    for (QValueAxis *axis : valueAxes()) {
        const bool vertical = axis->orientation() == Qt::Vertical;
        const double first = vertical ? (chosen.top() - plot.top()) / plot.height()
                                      : (chosen.left() - plot.left()) / plot.width();
        const double last = vertical ? (chosen.bottom() - plot.top()) / plot.height()
                                     : (chosen.right() - plot.left()) / plot.width();
        const double a = valueAt(*axis, first);
        const double b = valueAt(*axis, last);
        double low = std::min(a, b);
        double high = std::max(a, b);
        if (const auto *labelled = dynamic_cast<const LabelledAxis *>(axis);
            labelled && high - low < labelled->leastSpan()) {
            const double middle = (low + high) / 2;
            low = middle - labelled->leastSpan() / 2;
            high = middle + labelled->leastSpan() / 2;
        }
        zoomSteps_.append({axis, axis->min(), axis->max(), low, high});
    }
    stepsLeft_ = kZoomSteps;
    step();
    if (stepsLeft_ > 0)
        stepTimer_.start();
    emit zoomed();
}

void ChartView::step() {
    if (stepsLeft_ <= 0) {
        stepTimer_.stop();
        return;
    }
    --stepsLeft_;
    const double share = double(kZoomSteps - stepsLeft_) / kZoomSteps;
    for (const AxisStep &zoom : std::as_const(zoomSteps_))
        if (zoom.axis)
            zoom.axis->setRange(zoom.fromMinimum + share * (zoom.toMinimum - zoom.fromMinimum),
                                zoom.fromMaximum + share * (zoom.toMaximum - zoom.fromMaximum));
    if (stepsLeft_ == 0)
        stepTimer_.stop();
}

std::optional<std::pair<double, double>> ChartView::drawnRange(const QValueAxis *axis) const {
    for (const AxisRange &range : drawnView_)
        if (range.axis == axis)
            return std::pair(range.minimum, range.maximum);
    return std::nullopt;
}

void ChartView::panBy(int pixels) {
    const double width = chart()->plotArea().width();
    if (pixels == 0 || width <= 0)
        return;
    QList<std::pair<QValueAxis *, double>> shifts;
    for (QValueAxis *axis : valueAxes()) {
        if (axis->orientation() != Qt::Horizontal)
            continue;
        const double asked = (axis->isReverse() ? -pixels : pixels) / width * (axis->max() - axis->min());
        // The view moves no further than the graph that was drawn reaches.
        const auto [first, last] = drawnRange(axis).value_or(std::pair(axis->min(), axis->max()));
        if (const double shift = shiftWithin(axis->min(), axis->max(), asked, first, last); shift != 0)
            shifts.append({axis, shift});
    }
    if (shifts.isEmpty())
        return;
    keepDrawnView();
    for (const auto &[axis, shift] : shifts)
        axis->setRange(axis->min() - shift, axis->max() - shift);
    emit scrolled();
}

void ChartView::mousePressEvent(QMouseEvent *event) {
    dragStart_ = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        zoomDrag_ = true;
        band_ = QRect(dragStart_, dragStart_);
    } else if (event->button() == Qt::RightButton) {
        panDrag_ = true;
        panX_ = dragStart_.x();
    }
    event->accept();
}

void ChartView::mouseMoveEvent(QMouseEvent *event) {
    const QPoint at = event->position().toPoint();
    if (zoomDrag_) {
        band_ = QRect(dragStart_, at).normalized();
        viewport()->update();
    } else if (panDrag_) {
        panBy(at.x() - panX_);
        panX_ = at.x();
    }
    event->accept();
}

void ChartView::mouseReleaseEvent(QMouseEvent *event) {
    if (zoomDrag_ && event->button() == Qt::LeftButton) {
        zoomDrag_ = false;
        band_ = QRect();
        viewport()->update();
        const QPoint end = event->position().toPoint();
        const QPoint drag = end - dragStart_;
        if (drag.x() <= -kLeastDrag || drag.y() <= -kLeastDrag) {
            if (isZoomed())
                undoZoom();
        } else if (drag.x() >= kLeastDrag && drag.y() >= kLeastDrag) {
            zoomTo(QRect(dragStart_, end));
        }
    } else if (panDrag_ && event->button() == Qt::RightButton) {
        panDrag_ = false;
    }
    event->accept();
}

void ChartView::paintEvent(QPaintEvent *event) {
    QChartView::paintEvent(event);
    if (band_.isNull())
        return;
    // A black frame over a darkened area: what lies under it stays visible.
    QPainter painter(viewport());
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(0, 0, 0, 48));
    painter.drawRect(band_);
}

} // namespace charts
