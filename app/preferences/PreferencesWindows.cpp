#include "preferences/PreferencesWindows.h"

#include "platform/ReportedFailures.h"
#include "preferences/MainGraph.h"
#include "preferences/frmOptions.h"
#include "preferences/frmWizard1.h"
#include "preferences/frmWizard3.h"

namespace preferences {

void showOptions(QWidget *owner, bool goalsOnly) {
    frmOptions options(owner);
    if (goalsOnly)
        options.ShowGoalsOnly();
    options.exec();
}

void showSetupWizard(QWidget *owner) {
    bool goOn = false;
    {
        frmWizard1 first(owner);
        goOn = first.exec() == QDialog::Accepted;
    }
    if (goOn) {
        frmWizard3 last(owner);
        last.exec();
    }
    // Every answer was stored as it was given; the graph shows them from now on.
    platform::failures::runReported([] { RedrawMainGraph(); });
}

} // namespace preferences
