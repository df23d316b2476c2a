// The main window's list of a day's activities and the graph of one activity.
#include "mainwindow/frmMain.h"

#include "charts/ChartView.h"
#include "core/Globals.h"
#include "core/ImageControls.h"
#include "core/StoredActivity.h"
#include "core/modLocalisation.h"
#include "mainwindow/MainWindowServices.h"
#include "mainwindow/MonthViewCells.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/ReportedFailures.h"
#include "sessionview/PaneChartTools.h"
#include "sessionview/SessionGraphChoice.h"
#include "sessionview/SessionGraphFrame.h"
#include "sessionview/SessionGraphSelection.h"
#include "transfer/ActivityListText.h"
#include "transfer/modMerge.h"

#include <QCalendarWidget>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>
#include <QTextCharFormat>
#include <QToolBar>
#include <QTreeWidget>

namespace {

QString listedDescription(QString description) {
    description.replace("\r\n", " ");
    return description;
}

} // namespace

void frmMain::DisplayActivity(QDate firstDay, QDate lastDay, std::int16_t line) {
    ListView1->clear();
    auto activities =
        gConn.prepare("select prkey, Session_datetime, Duration, Description, session_type from "
                      "sessions where session_date >= ? and session_date <= ? order by "
                      "Session_datetime");
    activities.bindAll(firstDay, lastDay);
    while (activities.step()) {
        const SessionKey key = activities.columnInt64(0);
        auto *item = new QTreeWidgetItem(
            ListView1, {ActivityListText::startText(platform::db::parseIsoDateTime(activities.columnText(1))),
                        ActivityListText::durationText(activities.columnDouble(2)),
                        listedDescription(activities.columnText(3))});
        item->setData(0, Qt::UserRole, "_" + QString::number(key));
        const int icon = mainwindow::ActivityIconIndex(static_cast<int>(activities.columnInt64(4)));
        item->setData(0, mainwindow::kActivityIconRole, icon);
        item->setIcon(0, mainwindow::ActivityIcon(icon));
    }
    if (line > 0 && line <= ListView1->topLevelItemCount())
        ListView1->setCurrentItem(ListView1->topLevelItem(line - 1));
}

void frmMain::ReloadGraphSelection(std::int64_t key) {
    sessionview::ReloadGraphSelection(sessionPane(), key);
}

void frmMain::showSessionGraph(std::int64_t key) {
    sessionview::showSessionGraph(sessionPane(), key);
}

// The first day of an activity is bold while the calendar shows it, when the calendar's range
// holds both its start and its end day.
void frmMain::MarkActivityDay(QDate startDay, QDate endDay) {
    if (MonthView1->minimumDate() > startDay || MonthView1->maximumDate() < endDay)
        return;
    if (startDay < MonthViewCells::VisibleDay(*MonthView1, 1) ||
        startDay > MonthViewCells::VisibleDay(*MonthView1, MonthViewCells::kVisibleDays))
        return;
    QTextCharFormat bold = MonthView1->dateTextFormat(startDay);
    bold.setFontWeight(QFont::Bold);
    MonthView1->setDateTextFormat(startDay, bold);
}

void frmMain::ClearDayMark(QDate day) {
    QTextCharFormat format = MonthView1->dateTextFormat(day);
    format.setFontWeight(QFont::Normal);
    MonthView1->setDateTextFormat(day, format);
}

void frmMain::mnuDeleteActivity_Click() {
    using platform::dialogs::Answer;
    using platform::dialogs::Buttons;
    using platform::dialogs::Icon;
    // With no line chosen, the list's first line is the selected one.
    const QTreeWidgetItem *item =
        ListView1->currentItem() ? ListView1->currentItem() : ListView1->topLevelItem(0);
    if (!item) {
        platform::dialogs::message(modLocalisation::LoadResString(1403), "Runvella", Icon::None, Buttons::Ok,
                                   this);
        return;
    }
    const QString question = modLocalisation::LoadResString(1345) + ' ' + item->text(0) + " ?";
    if (platform::dialogs::message(question, "Runvella", Icon::None, Buttons::YesNo, this) != Answer::Yes)
        return;
    const SessionKey key = item->data(0, Qt::UserRole).toString().mid(1).toLongLong();
    const platform::cursor::BusyCursor busy;
    gCurrentGraph = "summary";
    platform::failures::runReported([&] {
        modMerge::DeleteSession(key);
        const QDate day = MonthView1->selectedDate();
        DisplayActivity(day, day, 0);
        if (ListView1->topLevelItemCount() == 0)
            ClearDayMark(day);
        gCurrentGraph = "summary";
        showMainGraph();
        resSummary->hide();
    });
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
    connect(Toolbar2, &QToolBar::actionTriggered, this, [this](QAction *button) {
        platform::failures::runReported(
            [&] { sessionview::Toolbar2_ButtonClick(sessionPane(), button->objectName(), this); });
    });
    connect(MonthView1, &QCalendarWidget::clicked, this,
            [this](QDate day) { platform::failures::runReported([&] { DisplayActivity(day, day, 0); }); });
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
        showSessionGraph(sessionview::ChoosersActivity(list));
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
