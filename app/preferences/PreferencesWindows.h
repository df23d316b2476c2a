#pragma once

class QWidget;

// The preferences windows, as the main window opens them.
namespace preferences {

// Shows the preferences window modally; with goalsOnly only its Goals tab is visible.
void showOptions(QWidget *owner, bool goalsOnly);

// Shows the first-run wizard modally, then the main window's graph in the choices made.
void showSetupWizard(QWidget *owner);

} // namespace preferences
