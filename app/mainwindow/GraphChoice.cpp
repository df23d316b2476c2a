#include "mainwindow/GraphChoice.h"

#include <algorithm>

namespace GraphChoice {

std::optional<Graph> GraphFor(int number) {
    switch (number) {
    case 1:
        return Graph{"showMonthlyChart", SideList::Hidden};
    case 2:
        return Graph{"graphWeeklyDistancebySport", SideList::Sports};
    case 3:
        return Graph{"graphWeeklyDistance", SideList::Hidden};
    case 4:
        return Graph{"graphBodyWeight", SideList::Hidden};
    case 5:
        return Graph{"graphRestingPulse", SideList::Hidden};
    case 6:
        return Graph{"graphTimeinZones", SideList::Hidden};
    case 7:
        return Graph{"graphTimeinZonesbySport", SideList::Sports};
    case 8:
        return Graph{"DailyHours", SideList::LeftToGraph};
    case 9:
        return Graph{"graphTimeinZonesbyWeek", SideList::Zones};
    case 10:
        return Graph{"DailyDistance", SideList::LeftToGraph};
    case 11:
        return Graph{"MaxAltitude", SideList::Hidden};
    default:
        return std::nullopt;
    }
}

int KeptPosition(int remembered, int count) {
    return std::clamp(remembered, 0, std::max(count - 1, 0));
}

} // namespace GraphChoice
