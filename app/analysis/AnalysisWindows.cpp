#include "analysis/AnalysisWindows.h"

#include "analysis/frmPlotTrack.h"
#include "analysis/frmStats.h"
#include "analysis/frmTabularData2.h"

namespace analysis {

void showPlotTrack() {
    frmPlotTrack window;
    window.exec();
}

void showTabularData(QWidget *owner) {
    frmTabularData2 window(owner);
    window.exec();
}

void showStats(QWidget *owner) {
    frmStats window(owner);
    window.exec();
}

} // namespace analysis
