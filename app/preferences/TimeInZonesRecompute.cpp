#include "preferences/TimeInZonesRecompute.h"

#include "core/HeartRateZones.h"

namespace preferences {

bool RecomputesTimeInZones(int sessionType) {
    return sessionType != 1 && sessionType != 5 && sessionType != 99;
}

TimeInZonesRecompute::TimeInZonesRecompute(platform::db::Connection &connection) : connection_(connection) {
    auto rows = connection.prepare("select prkey, session_type from sessions order by prkey");
    while (rows.step())
        activities_.push_back({rows.columnInt64(0), static_cast<int>(rows.columnInt64(1))});
}

void TimeInZonesRecompute::step() {
    const Activity &next = activities_.at(static_cast<std::size_t>(done_));
    if (RecomputesTimeInZones(next.type))
        ComputeTimeInZones(connection_, next.key);
    ++done_;
}

} // namespace preferences
