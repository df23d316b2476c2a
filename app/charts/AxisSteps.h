#pragma once

#include <QString>

#include <functional>

// How far apart an axis' labels stand so that they never overlap, whatever the number of bars or
// the length of the period: plain functions of the axis' length in pixels and its labels' size.
namespace charts {

// Every how many buckets a bucket axis shows a label: 1 while each bucket has room for its
// label, more as the buckets get narrower. At least 1.
int bucketLabelStep(double pixelsPerBucket, double labelExtent);

// The distance in minutes between the labels of a duration axis: the smallest of the usual clock
// steps (1, 2, 5, 10, 15, 30 seconds, 1, 2, 5, 10, 15, 20, 30 minutes, 1, 2, 3, 4, 6, 8, 12 hours,
// then whole days) that is at least minimumStep and leaves each label the pixels that
// labelExtent(step) says it needs.
double durationLabelStep(double pixelsPerMinute, const std::function<double(double step)> &labelExtent,
                         double minimumStep);

// A plain value axis' tick interval: 1, 2, 2.5 or 5 times a power of ten, at least range / maxTicks.
double niceInterval(double range, int maxTicks);

// The tick interval of a value axis length pixels long: the finest round interval, with at most
// maxTicks intervals over the range, that leaves each label the pixels that labelExtent(interval)
// says it needs.
double valueTickInterval(double range, double length, int maxTicks,
                         const std::function<double(double interval)> &labelExtent);

// The decimals that the multiples of a tick interval need: 0 for 5 or 500, 1 for 2.5, 2 for 0.25.
int decimalsOf(double interval);

// Minutes as a clock reading with real hours: "hh" separator "mm", at least two digits each,
// rounded to the nearest minute; 1800 minutes read "30:00". Negative minutes get a minus sign.
// With seconds, "hh:mm:ss" rounded to the nearest second.
QString clockText(double minutes, const QString &separator, bool withSeconds = false);

} // namespace charts
