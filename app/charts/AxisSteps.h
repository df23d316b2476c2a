#pragma once

#include <QString>

// How far apart an axis' labels stand so that they never overlap, whatever the number of bars or
// the length of the period: plain functions of the axis' length in pixels and its labels' size.
namespace charts {

// Every how many buckets a bucket axis shows a label: 1 while each bucket has room for its
// label, more as the buckets get narrower. At least 1.
int bucketLabelStep(double pixelsPerBucket, double labelExtent);

// The distance in minutes between the labels of a duration axis: the smallest of the usual clock
// steps (1, 2, 5, 10, 15, 20, 30 minutes, 1, 2, 3, 4, 6, 8, 12 hours, then whole days) that is at
// least minimumStep and leaves labelExtent pixels for each label.
double durationLabelStep(double pixelsPerMinute, double labelExtent, double minimumStep);

// A plain value axis' tick interval: 1, 2, 2.5 or 5 times a power of ten, at least range / maxTicks.
double niceInterval(double range, int maxTicks);

// Minutes as a clock reading with real hours: "hh" separator "mm", at least two digits each,
// rounded to the nearest minute; 1800 minutes read "30:00". Negative minutes get a minus sign.
QString clockText(double minutes, const QString &separator);

} // namespace charts
