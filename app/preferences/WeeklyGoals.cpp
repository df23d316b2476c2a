#include "preferences/WeeklyGoals.h"

#include "core/modHelpersDates.h"

#include <string>

namespace preferences {
namespace {

using platform::db::Connection;

const char *columnOf(Goal goal) {
    switch (goal) {
    case Goal::TimeTarget:
        return "time_target";
    case Goal::TotalDistance:
        return "totalDistance";
    case Goal::TotalAltitude:
        return "totalAltitude";
    case Goal::TimeInZone1:
        return "TimeInZone1";
    case Goal::TimeInZone2:
        return "TimeInZone2";
    case Goal::TimeInZone3:
        return "TimeInZone3";
    case Goal::TimeInZone4:
        return "TimeInZone4";
    case Goal::TimeInZone5:
        return "TimeInZone5";
    }
    return "time_target";
}

bool weekHasRow(Connection &connection, const QDate &week) {
    auto query = connection.prepare("select 1 from weeklyData where theweek = ?");
    query.bind(1, week);
    return query.step();
}

// A new week's row: every goal but the altitude starts at 0, as the shipped database's defaults
// have it; the altitude, added to older files without a default, starts empty.
void insertWeek(Connection &connection, const QDate &week) {
    connection
        .prepare("insert into weeklyData (theweek, time_target, totalDistance, TimeInZone1, TimeInZone2, "
                 "TimeInZone3, TimeInZone4, TimeInZone5) values (?, 0, 0, 0, 0, 0, 0, 0)")
        .bindAll(week)
        .execute();
}

void writeWeek(Connection &connection, const QDate &week, const WeeklyGoals &goals) {
    if (!weekHasRow(connection, week))
        insertWeek(connection, week);
    auto update = connection.prepare(
        "update weeklyData set time_target = ?, totalDistance = ?, totalAltitude = ?, TimeInZone1 = ?, "
        "TimeInZone2 = ?, TimeInZone3 = ?, TimeInZone4 = ?, TimeInZone5 = ? where theweek = ?");
    update.bindAll(goals.timeTarget, goals.totalDistance, goals.totalAltitude, goals.timeInZone[0],
                   goals.timeInZone[1], goals.timeInZone[2], goals.timeInZone[3], goals.timeInZone[4], week);
    update.execute();
}

} // namespace

Goal ZoneGoal(int zone) {
    return static_cast<Goal>(static_cast<int>(Goal::TimeInZone1) + zone - 1);
}

QDate GoalWeekOf(const QDate &day) {
    return modHelpers::GetWeekStart(day);
}

WeeklyGoals LoadWeeklyGoals(Connection &connection, const QDate &week) {
    WeeklyGoals goals;
    bool altitudeEmpty = false;
    {
        auto query = connection.prepare("select time_target, totalDistance, totalAltitude, TimeInZone1, "
                                        "TimeInZone2, TimeInZone3, TimeInZone4, TimeInZone5 from weeklyData "
                                        "where theweek = ?");
        query.bind(1, week);
        if (!query.step())
            return goals;
        goals.timeTarget = query.columnDouble(0);
        goals.totalDistance = query.columnDouble(1);
        goals.totalAltitude = query.columnDouble(2);
        for (int zone = 0; zone < kGoalZones; ++zone)
            goals.timeInZone[zone] = query.columnDouble(3 + zone);
        altitudeEmpty = query.isNull(2);
    }
    if (altitudeEmpty)
        connection.prepare("update weeklyData set totalAltitude = 0 where theweek = ?")
            .bindAll(week)
            .execute();
    return goals;
}

void StoreGoal(Connection &connection, const QDate &week, Goal goal, double value) {
    platform::db::Transaction transaction(connection);
    if (!weekHasRow(connection, week))
        insertWeek(connection, week);
    const std::string sql = std::string("update weeklyData set ") + columnOf(goal) + " = ? where theweek = ?";
    connection.prepare(sql).bindAll(value, week).execute();
    transaction.commit();
}

void CopyGoalsToTwelveWeeks(Connection &connection, const QDate &firstWeek, const WeeklyGoals &goals) {
    platform::db::Transaction transaction(connection);
    for (int week = 0; week < kWeeksCopied; ++week)
        writeWeek(connection, firstWeek.addDays(7 * week), goals);
    transaction.commit();
}

} // namespace preferences
