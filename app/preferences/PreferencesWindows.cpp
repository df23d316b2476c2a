#include "preferences/PreferencesWindows.h"

#include "preferences/frmOptions.h"

namespace preferences {

void showOptions(QWidget *owner, bool goalsOnly) {
    frmOptions options(owner);
    if (goalsOnly)
        options.ShowGoalsOnly();
    options.exec();
}

void showSetupWizard(QWidget *) {}

} // namespace preferences
