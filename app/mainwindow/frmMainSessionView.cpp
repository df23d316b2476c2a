// The main window's graph of one activity.
#include "mainwindow/frmMain.h"

#include "charts/ChartTools.h"
#include "charts/ChartView.h"
#include "core/Globals.h"
#include "core/ImageControls.h"
#include "platform/ReportedFailures.h"
#include "sessionview/PaneChartTools.h"
#include "sessionview/SessionGraphChoice.h"
#include "sessionview/SessionGraphFrame.h"
#include "sessionview/SessionGraphSelection.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>
#include <QToolBar>
#include <QTreeWidget>

void frmMain::ReloadGraphSelection(std::int64_t key) {
    sessionview::ReloadGraphSelection(sessionPane(), key);
}

void frmMain::showSessionGraph(std::int64_t key) {
    sessionview::showSessionGraph(sessionPane(), key);
}

void frmMain::connectSessionView() {
    connect(cmbGraph1, &QComboBox::currentIndexChanged, this, &frmMain::cmbGraph1_Click);
    connect(cmbGraph2, &QComboBox::currentIndexChanged, this, &frmMain::cmbGraph2_Click);
    // The link back to the drawn view is there while the view differs from it.
    if (auto *view = qobject_cast<charts::ChartView *>(TChart3)) {
        connect(view, &charts::ChartView::zoomed, resImage[6], &QWidget::show);
        connect(view, &charts::ChartView::scrolled, resImage[6], &QWidget::show);
        connect(view, &charts::ChartView::zoomUndone, resImage[6], &QWidget::hide);
    }
    charts::OfferToolsWhileShown(*Toolbar2, *TChart3);
    connect(Toolbar2, &QToolBar::actionTriggered, this, [this](QAction *button) {
        platform::failures::runReported(
            [&] { sessionview::Toolbar2_ButtonClick(sessionPane(), button->objectName(), this); });
    });
}

void frmMain::cmbGraph1_Click() {
    storeGraphChoice(*cmbGraph1, "Graph1");
}

void frmMain::cmbGraph2_Click() {
    storeGraphChoice(*cmbGraph2, "Graph2");
}

// The activity keeps the position chosen, which its next showing selects again.
void frmMain::storeGraphChoice(const QComboBox &list, const char *column) {
    if (list.currentIndex() < 0) // the list was emptied
        return;
    platform::failures::runReported([&] {
        sessionview::StoreGraphChoice(list, column);
        if (!gGraphSelectLive)
            return;
        gCurrentGraph.clear();
        sessionview::showSessionGraph(sessionPane(), sessionview::ChoosersActivity(list),
                                      sessionview::FocusAfter::Kept);
    });
}

sessionview::SessionPane frmMain::sessionPane() const {
    return {TChart3,       GraphLabel,    lblNote,        cmbGraph1,      cmbGraph2,
            lblGraphLeft1, lblGraphLeft2, lblGraphRight1, lblGraphRight2, Combo1,
            Combo2,        Combo3,        Label1,         Label3,         lblSelectGraph,
            resImage[5],   resImage[6],   resImagePlot,   resSummary,     ListView1};
}

// After a merge: the calendar's selection again, and the graph of the activity that stayed.
void frmMain::showMergedActivity(std::int64_t key) {
    platform::failures::runReported([&] {
        const QDate day = MonthView1->selectedDate();
        DisplayActivity(day, day, 0);
        gCurrentSessionKey = key;
        const QScopedValueRollback choosing(gGraphSelectLive, false); // only the last step draws
        ReloadGraphSelection(key);
    });
}
