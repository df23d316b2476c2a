#include "charts/EqualScales.h"

#include <QChart>
#include <QValueAxis>

#include <algorithm>
#include <memory>

namespace charts {
namespace {

QRectF shownRanges(const QValueAxis &x, const QValueAxis &y) {
    return QRectF(QPointF(x.min(), y.min()), QPointF(x.max(), y.max()));
}

void show(QValueAxis &x, QValueAxis &y, const QRectF &ranges) {
    x.setRange(ranges.left(), ranges.right());
    y.setRange(ranges.top(), ranges.bottom());
}

// What a plot keeps between two changes of its size.
struct ScaleKeeper {
    QRectF data;
    double margin = 0; // pixels between the data and the plot's edges
    QRectF fitted;     // the ranges set to fit the data, as long as nobody zoomed or moved them
    QSizeF pixels;     // the plot's size when the ranges were last set
};

} // namespace

QRectF equalScaleRanges(const QRectF &data, const QSizeF &plotPixels, double marginPixels) {
    const QRectF normal = data.normalized();
    double width = normal.width();
    double height = normal.height();
    if (width <= 0 && height <= 0)
        width = height = 1;
    else if (width <= 0)
        width = height;
    else if (height <= 0)
        height = width;

    // A plot too small for its margins shows the data edge to edge.
    const QSizeF inside = plotPixels - QSizeF(2 * marginPixels, 2 * marginPixels);
    const QSizeF room = inside.width() > 0 && inside.height() > 0 ? inside : plotPixels;
    if (room.width() > 0 && room.height() > 0) {
        // Units per pixel: the larger of the two decides, the other dimension widens to match.
        const double unitsPerPixel = std::max(width / room.width(), height / room.height());
        width = unitsPerPixel * plotPixels.width();
        height = unitsPerPixel * plotPixels.height();
    }
    const QPointF centre = normal.center();
    return QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height);
}

QRectF keptScaleRanges(const QRectF &shown, const QSizeF &before, const QSizeF &after) {
    if (before.width() <= 0 || before.height() <= 0 || after.width() <= 0 || after.height() <= 0)
        return shown;
    const QPointF centre = shown.center();
    const double width = shown.width() / before.width() * after.width();
    const double height = shown.height() / before.height() * after.height();
    return QRectF(centre.x() - width / 2, centre.y() - height / 2, width, height);
}

void keepEqualScales(QChart &chart, QValueAxis &x, QValueAxis &y, const QRectF &data, double marginPixels) {
    auto keeper = std::make_shared<ScaleKeeper>();
    keeper->data = data;
    keeper->margin = marginPixels;
    keeper->pixels = chart.plotArea().size();
    keeper->fitted = equalScaleRanges(data, keeper->pixels, marginPixels);
    show(x, y, keeper->fitted);
    // A plot the athlete zoomed or moved keeps its centre and scale: a resize, or a picture
    // drawn at another size, shows the same part of the track.
    QObject::connect(&chart, &QChart::plotAreaChanged, &x, [&chart, &x, &y, keeper] {
        const QSizeF pixels = chart.plotArea().size();
        const QRectF shown = shownRanges(x, y);
        if (shown == keeper->fitted) {
            keeper->fitted = equalScaleRanges(keeper->data, pixels, keeper->margin);
            show(x, y, keeper->fitted);
        } else {
            show(x, y, keptScaleRanges(shown, keeper->pixels, pixels));
        }
        keeper->pixels = pixels;
    });
}

} // namespace charts
