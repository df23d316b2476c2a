#pragma once

#include <QColor>

// What one side of an activity's graph shows. The codes are the item data of the two
// choosers, cmbGraph1 (left axis) and cmbGraph2 (right axis).
namespace sessionview {

enum class SessionGraphQuantity { None = 0, Speed = 1, Pace = 2, Altitude = 3, Elevation = 4, HeartRate = 5 };

// Any code that names no quantity shows nothing.
inline SessionGraphQuantity QuantityOfCode(int code) {
    return code >= 1 && code <= 5 ? static_cast<SessionGraphQuantity>(code) : SessionGraphQuantity::None;
}

// The colour of a quantity's line and of the title of the axis that carries it.
inline QColor QuantityColour(SessionGraphQuantity quantity) {
    switch (quantity) {
    case SessionGraphQuantity::Speed:
        return QColor(0, 0, 255);
    case SessionGraphQuantity::Altitude:
        return QColor(0, 99, 0);
    case SessionGraphQuantity::Elevation:
        return QColor(255, 0, 255);
    case SessionGraphQuantity::HeartRate:
        return QColor(255, 0, 0);
    case SessionGraphQuantity::None:
    case SessionGraphQuantity::Pace:
        break;
    }
    return QColor(0, 0, 0);
}

// Activity kinds (sessions.session_type) that have a graph.
inline constexpr int kHeartRateSession = 0;
inline constexpr int kSpeedSession = 1;
inline constexpr int kGpsSession = 5;
inline constexpr int kJoinedSession = 20;

// Sample kinds (sessiondata.data_type).
inline constexpr int kHeartRateSample = 0;
inline constexpr int kSpeedSample = 1;
inline constexpr int kGpsSample = 2;

} // namespace sessionview
