#pragma once

#include <QRectF>
#include <QSizeF>

class QChart;
class QValueAxis;

namespace charts {

// The ranges (x across, y up) that show the whole data rectangle with a unit as many pixels long
// across as up, centred on the data, at least the margin in pixels inside the plot's edges; a data
// rectangle without width or height is widened around its centre by the other dimension, or by 1
// when it is a single point.
QRectF equalScaleRanges(const QRectF &data, const QSizeF &plotPixels, double marginPixels = 0);

// The ranges that show, on a plot resized from before to after pixels, the same centre at the
// same units per pixel as the shown ranges did.
QRectF keptScaleRanges(const QRectF &shown, const QSizeF &before, const QSizeF &after);

// Keeps the two axes at equal scales whenever the plot's size changes, as a track plot needs so
// that a circle stays round: fitted to the data until the athlete zooms or moves the plot, and at
// the scale then shown afterwards. The data keeps the margin in pixels from the plot's edges.
void keepEqualScales(QChart &chart, QValueAxis &x, QValueAxis &y, const QRectF &data,
                     double marginPixels = 0);

} // namespace charts
