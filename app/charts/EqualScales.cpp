#include "charts/EqualScales.h"

#include <QChart>
#include <QValueAxis>

#include <algorithm>

namespace charts {
namespace {

void apply(const QChart &chart, QValueAxis &x, QValueAxis &y, const QRectF &data) {
    const QRectF ranges = equalScaleRanges(data, chart.plotArea().size());
    x.setRange(ranges.left(), ranges.right());
    y.setRange(ranges.top(), ranges.bottom());
}

} // namespace

QRectF equalScaleRanges(const QRectF &data, const QSizeF &plotPixels) {
    const QRectF normal = data.normalized();
    double width = normal.width();
    double height = normal.height();
    if (width <= 0 && height <= 0)
        width = height = 1;
    else if (width <= 0)
        width = height;
    else if (height <= 0)
        height = width;

    if (plotPixels.width() > 0 && plotPixels.height() > 0) {
        // Units per pixel: the larger of the two decides, the other dimension widens to match.
        const double unitsPerPixel = std::max(width / plotPixels.width(), height / plotPixels.height());
        width = unitsPerPixel * plotPixels.width();
        height = unitsPerPixel * plotPixels.height();
    }
    const QPointF centre = normal.center();
    return QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height);
}

void keepEqualScales(QChart &chart, QValueAxis &x, QValueAxis &y, const QRectF &data) {
    apply(chart, x, y, data);
    QObject::connect(&chart, &QChart::plotAreaChanged, &x,
                     [&chart, &x, &y, data] { apply(chart, x, y, data); });
}

} // namespace charts
