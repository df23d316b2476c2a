#include "charts/LabelledAxis.h"

#include "charts/AxisRoom.h"

#include <QChart>
#include <QFontMetricsF>
#include <QHash>
#include <QtMath>

#include <algorithm>

namespace charts {

void LabelledAxis::addTo(QChart &chart, Qt::Alignment side) {
    chart_ = &chart;
    setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // The labels stand as far apart as they need: none is cut short to "...".
    setTruncateLabels(false);
    chart.addAxis(this, side);
    keepTitleWhole(chart, *this);
    connect(this, &QValueAxis::rangeChanged, this, [this] { update(); });
    connect(this, &QAbstractAxis::labelsFontChanged, this, [this] { update(); });
    connect(&chart, &QChart::plotAreaChanged, this, [this] { update(); });
    update();
    makeRoomAtTheEnds();
}

void LabelledAxis::update() {
    // New labels may change the plot's size, which calls back here.
    if (updating_)
        return;
    updating_ = true;
    relabel();
    updating_ = false;
}

double LabelledAxis::pixels() const {
    return plotLength(chart_, orientation());
}

double LabelledAxis::labelExtent(const QString &widestText) const {
    return labelRoom(labelsFont(), orientation(), widestText);
}

void LabelledAxis::setLabels(const QList<std::pair<QString, double>> &labels) {
    for (const QString &label : categoriesLabels())
        remove(label);
    setStartValue(labels.isEmpty() ? min() : std::min(min(), labels.front().second));
    QHash<QString, int> seen;
    for (const auto &[text, value] : labels) {
        const int repeat = seen[text]++;
        append(text + QString(repeat, QChar(0x200B)), value);
    }
    makeRoomAtTheEnds();
}

void LabelledAxis::makeRoomAtTheEnds() {
    // Labels at the ends of the plot reach half their size beyond it. The chart leaves room
    // for that only around axes of plain numbers: its margins make room here, and only grow
    // while a graph is shown, so that they never undo one another.
    if (!chart_)
        return;
    const QFontMetricsF metrics(labelsFont());
    QMargins margins = chart_->margins();
    if (orientation() == Qt::Horizontal) {
        double widest = 0;
        for (const QString &label : categoriesLabels())
            widest = std::max(widest, metrics.horizontalAdvance(label));
        const int half = qCeil(widest / 2);
        margins.setLeft(std::max(margins.left(), half));
        margins.setRight(std::max(margins.right(), half));
    } else {
        margins.setTop(std::max(margins.top(), qCeil(metrics.height() / 2) + 2));
    }
    if (margins != chart_->margins())
        chart_->setMargins(margins);
}

} // namespace charts
