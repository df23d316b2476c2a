#include "charts/OriginRoom.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QLineSeries>

#include <cmath>

namespace charts {

void leaveRoomForOriginLabel(QChart &chart, QAbstractAxis &horizontal, const QString &widestLabel) {
    const QFontMetricsF metrics(horizontal.labelsFont());
    const int blanks = static_cast<int>(std::ceil(metrics.horizontalAdvance(widestLabel) / 2 /
                                                  metrics.horizontalAdvance(QChar(QChar::Nbsp))));
    auto *blank = new QCategoryAxis;
    blank->setLineVisible(false);
    blank->setGridLineVisible(false);
    blank->setShadesVisible(false);
    blank->append(QString(blanks, QChar(QChar::Nbsp)), 1);
    blank->setRange(0, 1);
    chart.addAxis(blank, Qt::AlignLeft);
    // The chart lays out only axes that carry a series.
    auto *carrier = new QLineSeries;
    chart.addSeries(carrier);
    carrier->attachAxis(&horizontal);
    carrier->attachAxis(blank);
}

} // namespace charts
