// The main window's graph of one activity.
#include "mainwindow/frmMain.h"

#include "core/Globals.h"
#include "core/ImageControls.h"
#include "core/modLocalisation.h"
#include "mainwindow/ActivityGraphChoice.h"
#include "mainwindow/MainWindowServices.h"
#include "mainwindow/SessionGraph.h"
#include "platform/ReportedFailures.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>

namespace {

constexpr int kHeartRateOnly = 0;
constexpr int kHeartRateSeries = 5;
constexpr int kNoSamplesNote = 1342;

int seriesCode(const QComboBox &list) {
    return list.currentIndex() < 0 ? 0 : list.currentData().toInt();
}

} // namespace

void frmMain::ReloadGraphSelection(std::int64_t key) {
    const auto activity = ReadActivity(key);
    if (!activity)
        return;
    const bool hasAltitude = ActivityGraphChoice::HasAltitude(*activity);
    ActivityGraphChoice::FillSeriesLists(*cmbGraph1, *cmbGraph2, activity->type, hasAltitude);
    ActivityGraphChoice::ChooseSeries(*cmbGraph1, *cmbGraph2, *activity, hasAltitude);
}

void frmMain::showSessionGraph(std::int64_t key) {
    if (gCurrentGraph == "session" && gShownSessionKey == key)
        return;
    const auto activity = ReadActivity(key);
    const bool heartRateOnly = activity && activity->type == kHeartRateOnly;
    const auto title = [this](const QComboBox &list) {
        return list.currentIndex() < 0 ? QString() : list.currentText();
    };
    const SessionGraph::Series left =
        heartRateOnly ? SessionGraph::ReadSeries(key, kHeartRateSeries, modLocalisation::LoadResString(1347))
                      : SessionGraph::ReadSeries(key, seriesCode(*cmbGraph1), title(*cmbGraph1));
    const SessionGraph::Series right =
        heartRateOnly ? SessionGraph::Series{}
                      : SessionGraph::ReadSeries(key, seriesCode(*cmbGraph2), title(*cmbGraph2));
    const bool drawn = !left.points.empty() || !right.points.empty();
    SessionGraph::Draw(*TChart3->chart(), left, right);
    TChart3->setVisible(drawn);
    lblNote->setText(drawn ? QString() : modLocalisation::LoadResString(kNoSamplesNote));
    lblNote->setVisible(!drawn);
    GraphLabel->show();
    // The summary graph's choices share the line with the series choices.
    for (QWidget *summaryChoice : std::initializer_list<QWidget *>{lblSelectGraph, Combo1, Label3, Combo2})
        summaryChoice->hide();
    for (QWidget *choice : std::initializer_list<QWidget *>{lblGraphLeft1, cmbGraph1, lblGraphLeft2,
                                                            lblGraphRight1, cmbGraph2, lblGraphRight2})
        choice->setVisible(!heartRateOnly && activity && ActivityGraphChoice::OffersSeries(activity->type));
    gCurrentGraph = "session";
    gShownSessionKey = key;
}

void frmMain::connectSessionView() {
    connect(cmbGraph1, &QComboBox::currentIndexChanged, this, &frmMain::cmbGraph1_Click);
    connect(cmbGraph2, &QComboBox::currentIndexChanged, this, &frmMain::cmbGraph2_Click);
}

void frmMain::cmbGraph1_Click(int position) {
    storeGraphChoice("Graph1", position);
}

void frmMain::cmbGraph2_Click(int position) {
    storeGraphChoice("Graph2", position);
}

// The activity keeps the position chosen, which its next showing selects again.
void frmMain::storeGraphChoice(const char *column, int position) {
    if (position < 0) // the list was emptied
        return;
    platform::failures::runReported([&] {
        gConn.prepare(std::string("update sessions set ") + column + " = ? where prkey = ?")
            .bindAll(position, gCurrentSessionKey)
            .execute();
        if (!gGraphSelectLive)
            return;
        gCurrentGraph.clear();
        showSessionGraph(gCurrentSessionKey);
    });
}

// After a merge: the calendar's selection again, and the graph of the activity that stayed.
void frmMain::showMergedActivity(std::int64_t key) {
    platform::failures::runReported([&] {
        const QDate day = MonthView1->selectedDate();
        DisplayActivity(day, day, 0);
        gCurrentSessionKey = key;
        {
            const QScopedValueRollback choosing(gGraphSelectLive, false); // the choices draw nothing
            ReloadGraphSelection(key);
        }
        gGraphSelectLive = true;
        gCurrentGraph.clear();
        showSessionGraph(key);
    });
}
