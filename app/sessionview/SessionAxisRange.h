#pragma once

#include "sessionview/SessionSeries.h"

// How each side's axis of an activity's graph is scaled once its series has its points.
namespace sessionview {

struct AxisScale {
    double minimum = 0;
    double maximum = 1;
    bool visible = true;
    bool inverted = false; // smaller values higher
};

struct PaceRange {
    double fastest; // the preferred pace range, minutes per unit
    double slowest;
};

// Heart rate runs from 0 to 5 above its largest value; pace over the preferred pace range,
// inverted; a side showing nothing is hidden. Speed, altitude and elevation get 5 units of room
// beyond their values, a level series too, speed from 0; a speed or GPS activity whose values are
// all 0 gets 0 to 500.
AxisScale ScaleForSide(SessionGraphQuantity quantity, const std::vector<GraphPoint> &points, int sessionType,
                       PaceRange pace);

// The heart-rate axis of a heart-rate activity: from its smallest to 5 above its largest value, a
// level line 5 below and above its value.
AxisScale HeartRateOnlyScale(const std::vector<GraphPoint> &points);

} // namespace sessionview
