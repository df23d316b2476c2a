#pragma once

#include <QList>
#include <QtGlobal>

#include <vector>

class QAbstractBarSeries;
class QChart;

namespace charts {

// Which bucket each column of pixels shows, where the buckets are narrower than a few pixels.
struct BarColumn {
    int pixel;        // the column's left edge
    qsizetype bucket; // whose bar the column shows
};

// The columns over the pixels from left to right, for buckets whose bar totals are given, bucket
// i centred on centreOfFirst + i * pixelsPerBucket and as wide as the distance between two
// buckets. Buckets at least a pixel wide each show in the columns whose centres they cover;
// narrower ones share columns, each showing the highest bucket that reaches into it, so that no
// bucket goes unseen. A column that no bucket reaches is left out.
std::vector<BarColumn> highestPerColumn(const QList<qreal> &totals, double centreOfFirst,
                                        double pixelsPerBucket, int left, int right);

// Draws the bars of the series solid, a column of pixels at a time, while its buckets are less
// than a few pixels wide: each column shows the bar of its highest bucket, layers stacked as the
// series stacks them. Bars a fraction of a pixel wide, each drawn on its own, blend into a pale
// haze in which no day's height can be read. While the buckets have room, the series draws its
// own bars. The drawing stands at the depth given, the series' own, so that what is added after the
// series stands in front of it; the chart's reset() takes it away.
void keepDenseBarsSolid(QChart &chart, QAbstractBarSeries &series, qreal depth);

} // namespace charts
