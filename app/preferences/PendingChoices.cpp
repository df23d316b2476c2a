#include "preferences/PendingChoices.h"

#include "preferences/WeekStart.h"

namespace preferences {
namespace {

double &goalIn(WeeklyGoals &goals, Goal goal) {
    switch (goal) {
    case Goal::TimeTarget:
        return goals.timeTarget;
    case Goal::TotalDistance:
        return goals.totalDistance;
    case Goal::TotalAltitude:
        return goals.totalAltitude;
    default:
        return goals.timeInZone[static_cast<int>(goal) - static_cast<int>(Goal::TimeInZone1)];
    }
}

} // namespace

bool PendingChoices::empty() const {
    return !unit && !paceRange && transferOptions.empty() && !zoneMode && !age && !maximum && goals.empty() &&
           !firstDayOfWeek;
}

std::vector<QDate> StoreChoices(platform::db::Connection &connection, const PendingChoices &choices) {
    std::vector<QDate> goalsNotMoved;
    platform::db::Transaction transaction(connection);
    if (choices.unit)
        StorePrimaryUnit(connection, *choices.unit);
    if (choices.paceRange)
        StorePaceRange(connection, choices.paceRange->first, choices.paceRange->second);
    for (const auto &[option, value] : choices.transferOptions)
        StoreTransferOption(connection, option, value);
    StorePerson(connection, choices.age, choices.maximum);
    if (choices.zoneMode)
        StoreZoneMode(connection, *choices.zoneMode);
    for (const auto &[key, value] : choices.goals)
        StoreGoal(connection, key.first, key.second, value);
    if (choices.firstDayOfWeek)
        goalsNotMoved = ChangeStartOfWeek(connection, *choices.firstDayOfWeek);
    transaction.commit();
    return goalsNotMoved;
}

WeeklyGoals WithWaitingGoals(WeeklyGoals stored, const QDate &week, const PendingChoices &choices) {
    for (const auto &[key, value] : choices.goals)
        if (key.first == week)
            goalIn(stored, key.second) = value;
    return stored;
}

} // namespace preferences
