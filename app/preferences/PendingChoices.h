#pragma once

#include "preferences/PreferenceStore.h"
#include "preferences/WeeklyGoals.h"
#include "preferences/ZoneRule.h"

#include <QDate>
#include <QString>

#include <map>
#include <optional>
#include <utility>
#include <vector>

// The preferences window stores each choice the moment it is made. A choice that the database
// refuses (another program holds it, the disk is full) waits here with the window still showing
// it, and is stored with the next choice or with OK, so the window never closes on a choice it
// shows and the database does not hold.
namespace preferences {

struct PendingChoices {
    std::optional<QString> unit;
    std::optional<std::pair<int, int>> paceRange; // fastest, slowest
    std::map<TransferOption, int> transferOptions;
    std::optional<ZoneMode> zoneMode;
    std::optional<int> age;
    std::optional<int> maximum;
    // Keyed by the week's first day as the stored first day of the week makes it.
    std::map<std::pair<QDate, Goal>, double> goals;
    std::optional<QString> firstDayOfWeek;

    bool empty() const;
};

// Stores every choice in one transaction, the goals before a new first day of the week so that
// it moves them with the others; returns the weeks whose goals could not move (ChangeStartOfWeek).
// Throws platform::db::DbError, having stored nothing.
std::vector<QDate> StoreChoices(platform::db::Connection &connection, const PendingChoices &choices);

// The week's goals as the window is to show them: the waiting ones in place of those stored.
WeeklyGoals WithWaitingGoals(WeeklyGoals stored, const QDate &week, const PendingChoices &choices);

} // namespace preferences
