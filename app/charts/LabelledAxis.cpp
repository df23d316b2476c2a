#include "charts/LabelledAxis.h"

#include <QChart>
#include <QFontMetricsF>
#include <QHash>

namespace charts {
namespace {

// A plot size to label for until the chart has been laid out.
constexpr double kLikelyPlotWidth = 600;
constexpr double kLikelyPlotHeight = 300;

} // namespace

void LabelledAxis::addTo(QChart &chart, Qt::Alignment side) {
    chart_ = &chart;
    setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart.addAxis(this, side);
    connect(this, &QValueAxis::rangeChanged, this, [this] { update(); });
    connect(this, &QAbstractAxis::labelsFontChanged, this, [this] { update(); });
    connect(&chart, &QChart::plotAreaChanged, this, [this] { update(); });
    update();
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
    const bool horizontal = orientation() == Qt::Horizontal;
    QSizeF plot = chart_ ? chart_->plotArea().size() : QSizeF();
    if (plot.isEmpty() && chart_ && !chart_->size().isEmpty())
        plot = chart_->size() * 0.8;
    if (plot.isEmpty())
        plot = QSizeF(kLikelyPlotWidth, kLikelyPlotHeight);
    return horizontal ? plot.width() : plot.height();
}

double LabelledAxis::labelExtent(const QString &widestText) const {
    const QFontMetricsF metrics(labelsFont());
    if (orientation() == Qt::Horizontal)
        return metrics.horizontalAdvance(widestText) + metrics.height();
    return metrics.height() * 1.5;
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
}

} // namespace charts
