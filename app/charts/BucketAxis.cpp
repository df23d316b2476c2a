#include "charts/BucketAxis.h"

#include "charts/AxisSteps.h"

#include <QFontMetricsF>

#include <cmath>

namespace charts {

void BucketAxis::setBuckets(const QStringList &labels) {
    buckets_ = labels;
    const QFontMetricsF metrics(labelsFont());
    widest_.clear();
    double widestWidth = -1;
    for (const QString &label : labels) {
        const double width = metrics.horizontalAdvance(label);
        if (width > widestWidth) {
            widestWidth = width;
            widest_ = label;
        }
    }
    step_ = 0;
    setRange(-0.5, labels.size() - 0.5);
    relabel();
}

void BucketAxis::relabel() {
    const double span = max() - min();
    const int step = bucketLabelStep(span > 0 ? pixels() / span : 0, labelExtent(widest_));
    const int first = std::max(0, static_cast<int>(std::ceil(min())));
    const int last = std::min(static_cast<int>(buckets_.size()) - 1, static_cast<int>(std::floor(max())));
    if (step == step_ && first == first_ && last == last_)
        return;
    step_ = step;
    first_ = first;
    last_ = last;

    QList<std::pair<QString, double>> labels;
    for (int i = (first + step - 1) / step * step; i <= last; i += step)
        labels.append({buckets_[i], static_cast<double>(i)});
    setLabels(labels);
}

} // namespace charts
