#pragma once

#include <QPointF>
#include <QString>

#include <cstdint>
#include <vector>

class QChart;

// One activity's graph: up to two series over the minutes of the activity, each on its own
// axis. Series codes are those of the main window's series lists: 0 none, 1 speed (miles per
// hour), 2 pace (minutes per mile), 3 altitude, 4 elevation (altitude above the start),
// 5 heart rate.
namespace SessionGraph {

struct Series {
    int code = 0;
    QString title;
    std::vector<QPointF> points; // minutes from the start, value
};

// The points of one series of the activity; empty for code 0 or when it holds none.
Series ReadSeries(std::int64_t key, int code, const QString &title);

// Replaces the chart's series and axes by the left and the right series.
void Draw(QChart &chart, const Series &left, const Series &right);

} // namespace SessionGraph
