#pragma once

class QWidget;

// The activity entry window, as the main window opens it.
namespace entry {

// Shows the activity entry window modally: for a new activity, or for the current activity
// (gCurrentSessionKey) when gEditExisting is set.
void showAddWorkout(QWidget *owner);

} // namespace entry
