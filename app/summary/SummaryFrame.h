#pragma once

#include "summary/SummaryQueries.h"

#include <QList>
#include <QStringList>

#include <array>
#include <functional>

class QChart;
class QValueAxis;

namespace charts {
class BucketAxis;
}

// What every summary graph does alike: its chart with one bucket axis and one value axis, and
// the busy pointer and error message around its work.
namespace summary {

enum class ValueKind { Number, Duration };

// A summary graph's chart, emptied and given its two axes. Without a chart (nullptr) every call
// does nothing, so a graph's data and table can be computed on their own.
class SummaryChart {
public:
    SummaryChart(QChart *chart, const BucketRange &buckets, ValueKind kind, const QString &valueTitle,
                 const QString &bucketTitle = QString());

    // The measured values as bars in the bar colour.
    void addBars(const QList<qreal> &values);
    // The goals as a line in the goal colour.
    void addGoals(const QList<qreal> &goals);
    // The five zones' values stacked, zone 1 at the bottom, listed in the legend by title.
    void addZones(const std::array<QList<qreal>, kZones> &zones, const QStringList &titles);
    // The value axis reaches from 0 to the largest value plus the headroom.
    void finish(double headroom);

private:
    QChart *chart_;
    charts::BucketAxis *buckets_ = nullptr;
    QValueAxis *values_ = nullptr;
    double smallest_ = 0;
    double largest_ = 0;
};

// Runs one graph's work with the busy pointer on. A failure ends the work where it stood and
// shows one message: the graph's error string, the error's number and its description.
void RunGraph(int errorStringId, const std::function<void()> &work);

// The text of a heading with a unit: "Distance (km)".
QString WithUnit(int stringId, const QString &unit);

} // namespace summary
