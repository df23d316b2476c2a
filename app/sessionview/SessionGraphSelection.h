#pragma once

#include "core/Globals.h"
#include "sessionview/SessionPane.h"

namespace sessionview {

// Readies the pane's choosers for the activity: fills them with the quantities its kind offers
// (a heart-rate activity keeps them as they are, another kind empties them), selects the
// positions it keeps (each selection stores its position and, while gGraphSelectLive is set,
// redraws), and captions the graph. Then asks for a fresh drawing: gCurrentGraph is emptied
// and gGraphSelectLive set again. A key without an activity changes only those two.
// Throws platform::db::DbError.
void LoadGraphSelection(const SessionPane &pane, SessionKey key);

// Loads the choosers for the activity, then draws its graph.
void ReloadGraphSelection(const SessionPane &pane, SessionKey key);

} // namespace sessionview
