// The main window's choice of summary graph, period and sport or zone, and the dispatch to the
// graph routines.
#include "mainwindow/frmMain.h"

#include "core/ImageControls.h"
#include "core/modHelpersLists.h"
#include "core/modLocalisation.h"
#include "core/modRegistry.h"
#include "mainwindow/Form1.h"
#include "mainwindow/GraphChoice.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/FailureCauses.h"
#include "platform/ReportedFailures.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

namespace {

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

int remembered(const char *valueName) {
    QVariant position = 0;
    modRegistry::ReadRegistryValue(platform::settings::kProgramRoot, modRegistry::kProgramKey, valueName, "D",
                                   0, position);
    return position.toInt();
}

void remember(const char *valueName, int position) {
    modRegistry::WriteRegistryValue(platform::settings::kProgramRoot, modRegistry::kProgramKey, valueName,
                                    "D", position);
}

int chosenNumber(const QComboBox &list) {
    return list.currentIndex() < 0 ? -1 : list.currentData().toInt();
}

} // namespace

void frmMain::connectPeriods() {
    const auto reported = [this](void (frmMain::*handler)()) {
        return [this, handler] { platform::failures::runReported([&] { (this->*handler)(); }); };
    };
    connect(Combo1, &QComboBox::currentIndexChanged, this, reported(&frmMain::Combo1_Click));
    // The period's own failures are reported with the graph's message.
    connect(Combo2, &QComboBox::currentIndexChanged, this, &frmMain::Combo2_Click);
    connect(Combo3, &QComboBox::currentIndexChanged, this, reported(&frmMain::Combo3_Click));
    lblNote->installEventFilter(this);
}

summary::SummaryPane frmMain::summaryPane() {
    return {.TChart3 = TChart3,
            .Combo1 = Combo1,
            .Combo2 = Combo2,
            .Combo3 = Combo3,
            .Label1 = Label1,
            .lblSelectGraph = lblSelectGraph,
            .GraphLabel = GraphLabel,
            .cmbGraph1 = cmbGraph1,
            .cmbGraph2 = cmbGraph2,
            .lblGraphLeft1 = lblGraphLeft1,
            .lblGraphLeft2 = lblGraphLeft2,
            .lblGraphRight1 = lblGraphRight1,
            .lblGraphRight2 = lblGraphRight2};
}

// Filled once at load; the first graph is drawn once the period is chosen.
void frmMain::fillGraphList() {
    const QSignalBlocker quiet(Combo1);
    Combo1->clear();
    for (const GraphChoice::Entry &entry : GraphChoice::kEntries)
        Combo1->addItem(text(entry.stringId), entry.graph);
    Combo1->setCurrentIndex(0);
}

// The standard periods, after the entry of the custom range when there is one; the first entry
// is chosen but not applied.
void frmMain::fillPeriodList(const QString &rangeEntry) {
    const QSignalBlocker quiet(Combo2);
    Combo2->clear();
    if (!rangeEntry.isEmpty())
        Combo2->addItem(rangeEntry, TimePeriods::kSavedRange);
    for (const TimePeriods::Entry &entry : TimePeriods::kEntries)
        Combo2->addItem(text(entry.stringId), entry.period);
    Combo2->setCurrentIndex(0);
}

void frmMain::Combo1_Click() {
    showMainGraph();
}

void frmMain::Combo2_Click() {
    ChangeTimePeriod();
}

void frmMain::ChangeTimePeriod() {
    try {
        rememberSportOrZone();
        const int period = chosenNumber(*Combo2);
        if (period == TimePeriods::kCustom) {
            askCustomPeriod();
            return;
        }
        if (period == TimePeriods::kThisMonth)
            gCurrentGraph = "summary";
        const auto days = TimePeriods::PeriodDays(period, today(), {gRangeStart, gRangeEnd});
        if (!days)
            return;
        gPeriodStart = days->first;
        gPeriodEnd = days->last;
        shownPeriodEntry_ = Combo2->currentIndex();
        showMainGraph();
    } catch (const std::exception &failure) {
        platform::dialogs::message(platform::failures::describe(text(1500), failure), "Runvella",
                                   platform::dialogs::Icon::None, platform::dialogs::Buttons::Ok, this);
        platform::cursor::setBusy(false);
    }
}

// The sport or zone on show is chosen again the next time its graph is drawn.
void frmMain::rememberSportOrZone() {
    if (Combo3->currentIndex() < 0)
        return;
    if (gCurrentGraph == "graphWeeklyDistancebySport" || gCurrentGraph == "graphTimeinZonesbySport")
        remember(GraphChoice::kSelectedSport, Combo3->currentIndex());
    else if (gCurrentGraph == "graphTimeinZonesbyWeek")
        remember(GraphChoice::kSelectedZone, Combo3->currentIndex());
}

void frmMain::askCustomPeriod() {
    Form1 dialog(this, today());
    if (dialog.exec() == QDialog::Accepted) {
        ApplyCustomPeriod(dialog.range(), 1442);
        return;
    }
    // Nothing was applied: the list names the period that the graph still shows.
    const QSignalBlocker quiet(Combo2);
    Combo2->setCurrentIndex(shownPeriodEntry_);
}

void frmMain::ApplyCustomPeriod(const TimePeriods::DateRange &range, int joiningWordId) {
    const TimePeriods::DateRange days = TimePeriods::Ordered(range.first, range.last);
    gPeriodStart = gRangeStart = days.first;
    gPeriodEnd = gRangeEnd = days.last;
    fillPeriodList(TimePeriods::RangeEntryText(days, text(joiningWordId)));
    ChangeTimePeriod();
}

void frmMain::showMainGraph() {
    // While one activity's graph is on screen the summary graph is left alone.
    if (gCurrentGraph.contains(QLatin1String("session"), Qt::CaseSensitive))
        return;
    Label3->setText(text(1319));
    for (QWidget *shown :
         std::initializer_list<QWidget *>{Label3, lblSelectGraph, TChart3, Combo1, Combo2, resImage[5]})
        shown->show();
    for (QWidget *hidden : std::initializer_list<QWidget *>{
             lblNote, resImagePlot, resSummary, cmbGraph1, cmbGraph2, lblGraphLeft1, lblGraphLeft2,
             lblGraphRight1, lblGraphRight2, GraphLabel, resImage[6]})
        hidden->hide();

    const int number = chosenNumber(*Combo1);
    const auto graph = GraphChoice::GraphFor(number);
    if (!graph)
        return;
    gCurrentGraph = graph->mode;
    fillSideList(number);
    drawSummaryGraph(number);
}

// Shows the sports or the zones with the remembered one chosen, or hides the list.
void frmMain::fillSideList(int graph) {
    using GraphChoice::SideList;
    const SideList kind = GraphChoice::GraphFor(graph)->sideList;
    if (kind == SideList::LeftToGraph)
        return;
    if (kind == SideList::Hidden) {
        Combo3->hide();
        Label1->hide();
        return;
    }
    // Choosing the remembered entry draws nothing here: the graph is drawn once, after.
    const QSignalBlocker quiet(Combo3);
    Combo3->clear();
    Combo3->show();
    Label1->show();
    if (kind == SideList::Sports) {
        modHelpers::FillSportsList(*Combo3, false);
        Combo3->setCurrentIndex(
            GraphChoice::KeptPosition(remembered(GraphChoice::kSelectedSport), Combo3->count()));
    } else {
        Label1->setText(text(1603));
        for (int zone = 1; zone <= 5; ++zone)
            Combo3->addItem(QString::number(zone), zone);
        Combo3->setCurrentIndex(
            GraphChoice::KeptPosition(remembered(GraphChoice::kSelectedZone), Combo3->count()));
    }
}

void frmMain::drawSummaryGraph(int graph) {
    summary::SummaryPane pane = summaryPane();
    const std::int64_t sport = Combo3->currentIndex() < 0 ? 0 : Combo3->currentData().toLongLong();
    const int zone = chosenNumber(*Combo3);
    switch (graph) {
    case 1:
        summary::showMonthlyChart(pane, gPeriodStart, gPeriodEnd, false);
        break;
    case 2:
        summary::graphWeeklyDistancebySport(pane, sport);
        break;
    case 3:
        summary::graphWeeklyDistance(pane);
        break;
    case 4:
        summary::graphBodyWeight(pane);
        break;
    case 5:
        summary::graphRestingPulse(pane);
        break;
    case 6:
        summary::graphTimeinZones(pane);
        break;
    case 7:
        summary::graphTimeinZonesbySport(pane, sport);
        break;
    case 8:
        summary::showWeeklyChart(pane, gPeriodStart, gPeriodEnd, false);
        break;
    case 9:
        summary::graphTimeinZonesbyWeek(pane, zone);
        break;
    case 10:
        summary::graphDailyDistance(pane);
        break;
    case 11:
        summary::graphMaxAltitude(pane);
        break;
    default:
        break;
    }
}

void frmMain::Combo3_Click() {
    if (Combo3->currentIndex() < 0)
        return;
    summary::SummaryPane pane = summaryPane();
    if (gCurrentGraph == "graphWeeklyDistancebySport") {
        remember(GraphChoice::kSelectedSport, Combo3->currentIndex());
        summary::graphWeeklyDistancebySport(pane, Combo3->currentData().toLongLong());
    } else if (gCurrentGraph == "graphTimeinZonesbySport") {
        remember(GraphChoice::kSelectedSport, Combo3->currentIndex());
        summary::graphTimeinZonesbySport(pane, Combo3->currentData().toLongLong());
    } else if (gCurrentGraph == "graphTimeinZonesbyWeek") {
        remember(GraphChoice::kSelectedZone, Combo3->currentIndex());
        summary::graphTimeinZonesbyWeek(pane, Combo3->currentData().toInt());
    }
}

void frmMain::lblNote_Click() {
    gCurrentGraph = "summary";
    resSummary->hide();
    showMainGraph();
}
