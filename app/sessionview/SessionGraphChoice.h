#pragma once

#include "core/Globals.h"
#include "sessionview/SessionGraphQuantity.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

class QComboBox;

// The two choosers of an activity's graph, cmbGraph1 (left axis) and cmbGraph2 (right axis):
// which quantities an activity offers, and which of them it shows. Both lists always hold the
// same items, each carrying its quantity code as item data. The activity keeps the chosen
// positions, not codes, in sessions.Graph1 and Graph2.
namespace sessionview {

struct GraphChoices {
    std::vector<SessionGraphQuantity> items; // in list order
    // Positions shown while the activity has none stored.
    int defaultLeft = 1;
    int defaultRight = 0;
    // Positions shown when the stored one lies past the end of the list.
    int fallbackLeft = 1;
    int fallbackRight = 2;
};

// The choices of the activity's graph by its type and the kind of its first speed or GPS sample
// (none when it has no such sample). Nothing for a type whose graph offers no choice.
std::optional<GraphChoices> ChoicesForType(int sessionType, std::optional<int> firstSpeedSampleKind);

// Refills both lists with the choices of the activity, selecting nothing yet.
void FillChoosers(QComboBox &left, QComboBox &right, const GraphChoices &choices, SessionKey key);
// Empties both lists; their choices are then the activity's, which has none.
void EmptyChoosers(QComboBox &left, QComboBox &right, SessionKey key);
// Selects the stored positions, or the defaults when none is stored, or the fallbacks when a
// stored one lies past the end. Each selection runs the list's change handler.
void SelectChoices(QComboBox &left, QComboBox &right, const GraphChoices &choices,
                   std::optional<int> storedLeft, std::optional<int> storedRight);

// The activity whose choices the list holds: the one it was last filled for, else the
// current activity.
SessionKey ChoosersActivity(const QComboBox &list);

// Keeps the list's selected position with the activity whose choices it holds, in column
// "Graph1" or "Graph2". A list without a selection stores nothing. Throws platform::db::DbError.
void StoreGraphChoice(const QComboBox &list, const char *column);

// The quantity that the list's selected item shows; None without a selection.
SessionGraphQuantity ChosenQuantity(const QComboBox &list);

// Older speed and GPS activities stored their speed samples as heart-rate samples (kind 0):
// when the earliest sample of a type 1 or 5 activity has kind 0, its kind-0 samples become
// speed samples. Throws platform::db::DbError.
void RunDatabaseUpgrade(SessionKey key);

// The start as the desktop writes a general date: the short date, then the time unless it is
// midnight.
QString GeneralDateText(const QDateTime &start);

} // namespace sessionview
