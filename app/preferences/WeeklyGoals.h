#pragma once

#include "core/Globals.h"

#include <QDate>

#include <array>

// The athlete's goals per week: one weeklyData row keyed by the week's first day, created by the
// first goal stored for that week. Failures throw platform::db::DbError.
namespace preferences {

inline constexpr int kGoalZones = 5;
inline constexpr int kWeeksCopied = 12;

struct WeeklyGoals {
    double timeTarget = 0;                       // seconds
    double totalDistance = 0;                    // in the unit preferred when it was typed
    double totalAltitude = 0;                    // feet for "mi" and "nm", metres otherwise
    std::array<double, kGoalZones> timeInZone{}; // seconds in zone 1 to 5

    bool operator==(const WeeklyGoals &) const = default;
};

enum class Goal {
    TimeTarget,
    TotalDistance,
    TotalAltitude,
    TimeInZone1,
    TimeInZone2,
    TimeInZone3,
    TimeInZone4,
    TimeInZone5
};

// The goal of time in zone 1 to 5.
Goal ZoneGoal(int zone);

// The first day of the week that holds the day, by gStartOfWeek.
QDate GoalWeekOf(const QDate &day);

// The week's goals; all 0 when the week has none. An empty altitude goal is stored as 0.
WeeklyGoals LoadWeeklyGoals(platform::db::Connection &connection, const QDate &week);

// Stores one goal of the week, creating the week's row when it has none.
void StoreGoal(platform::db::Connection &connection, const QDate &week, Goal goal, double value);

// Writes the goals into the week and each of the eleven weeks after it, all of them or none.
void CopyGoalsToTwelveWeeks(platform::db::Connection &connection, const QDate &firstWeek,
                            const WeeklyGoals &goals);

} // namespace preferences
