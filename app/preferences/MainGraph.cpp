#include "preferences/MainGraph.h"

#include "core/Globals.h"
#include "mainwindow/MainWindowServices.h"

namespace preferences {

void RedrawMainGraph() {
    if (gCurrentGraph != QLatin1String("session")) {
        mainwindow::ChangeTimePeriod();
        mainwindow::showMainGraph();
    } else {
        gShownSessionKey = 0;
    }
}

} // namespace preferences
