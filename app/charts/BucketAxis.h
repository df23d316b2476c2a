#pragma once

#include "charts/LabelledAxis.h"

#include <QStringList>

namespace charts {

// The axis of a graph's buckets (days or weeks): bucket i stands at the value i, under its own
// label. When the buckets are too narrow for every label, only every n-th bucket is labelled
// (always the same ones while the step stays), so years of days stay readable.
class BucketAxis : public LabelledAxis {
public:
    // Sets the buckets and the range that shows them all.
    void setBuckets(const QStringList &labels);
    const QStringList &buckets() const { return buckets_; }
    // Every how many buckets a label stands at present.
    int labelStep() const { return step_; }
    // Three buckets, each under its label.
    double leastSpan() const override { return 3; }

protected:
    void relabel() override;

private:
    QStringList buckets_;
    QString widest_;
    int step_ = 0;
    int first_ = 0;
    int last_ = -1;
};

} // namespace charts
