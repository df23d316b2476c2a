#include "mainwindow/SessionGraph.h"

#include "core/Globals.h"

#include <QChart>
#include <QLineSeries>
#include <QValueAxis>

namespace SessionGraph {
namespace {

constexpr int kSpeed = 1;
constexpr int kPace = 2;
constexpr int kAltitude = 3;
constexpr int kElevation = 4;
constexpr int kHeartRate = 5;

const char *columnOf(int code) {
    switch (code) {
    case kSpeed:
    case kPace:
        return "Speed";
    case kAltitude:
    case kElevation:
        return "Altitude";
    default:
        return "Hr";
    }
}

void addSeries(QChart &chart, const Series &series, Qt::Alignment side, QAbstractAxis *timeAxis) {
    if (series.points.empty())
        return;
    auto *line = new QLineSeries;
    line->setName(series.title);
    for (const QPointF &point : series.points)
        line->append(point);
    chart.addSeries(line);
    auto *values = new QValueAxis;
    values->setTitleText(series.title);
    chart.addAxis(values, side);
    line->attachAxis(timeAxis);
    line->attachAxis(values);
}

} // namespace

Series ReadSeries(std::int64_t key, int code, const QString &title) {
    Series series{code, title, {}};
    if (code < kSpeed || code > kHeartRate)
        return series;
    const std::string sql = std::string("select cum_duration, ") + columnOf(code) +
                            " from sessiondata where session_prkey = ? and data_type " +
                            (code == kHeartRate ? "= 0" : "<> 0") + " order by cum_duration";
    auto rows = gConn.prepare(sql);
    rows.bind(1, key);
    std::optional<double> startAltitude;
    while (rows.step()) {
        if (rows.isNull(1))
            continue;
        const double minutes = rows.columnDouble(0) / 60.0;
        double value = rows.columnDouble(1);
        if (code == kPace) {
            if (value <= 0)
                continue;
            value = 60.0 / value;
        } else if (code == kElevation) {
            if (!startAltitude)
                startAltitude = value;
            value -= *startAltitude;
        }
        series.points.emplace_back(minutes, value);
    }
    return series;
}

void Draw(QChart &chart, const Series &left, const Series &right) {
    chart.removeAllSeries();
    for (QAbstractAxis *axis : chart.axes()) {
        chart.removeAxis(axis);
        delete axis;
    }
    auto *time = new QValueAxis;
    time->setLabelFormat("%.0f");
    chart.addAxis(time, Qt::AlignBottom);
    addSeries(chart, left, Qt::AlignLeft, time);
    addSeries(chart, right, Qt::AlignRight, time);
}

} // namespace SessionGraph
