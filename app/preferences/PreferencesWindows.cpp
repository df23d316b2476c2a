#include "preferences/PreferencesWindows.h"

namespace preferences {

void showOptions(QWidget *, bool) {}

void showSetupWizard(QWidget *) {}

} // namespace preferences
