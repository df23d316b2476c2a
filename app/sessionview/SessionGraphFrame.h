#pragma once

#include "core/Globals.h"
#include "sessionview/SessionPane.h"

namespace sessionview {

// Where the keyboard focus is once the graph is drawn: in the day's activities, or where it was
// (a choice in the pane's own choosers keeps it there).
enum class FocusAfter { ActivityList, Kept };

// Turns the pane into the graph of the activity: heart rate alone for a heart-rate activity, the
// two quantities chosen in the choosers for a speed, GPS or joined one, a note for any other
// kind. Nothing is redrawn while the pane already shows this activity (gCurrentGraph "session");
// a caller that wants a redraw empties gCurrentGraph first. Rebuilds gGraphTable. A failure is
// reported to the athlete, and the pointer is back as it was afterwards.
void showSessionGraph(const SessionPane &pane, SessionKey key, FocusAfter focus = FocusAfter::ActivityList);

} // namespace sessionview
