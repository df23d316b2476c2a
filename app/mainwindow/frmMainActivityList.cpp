// The main window's calendar and its list of activities.
#include "mainwindow/frmMain.h"

#include "core/ActivityIcons.h"
#include "core/ActivityRows.h"
#include "core/FormControls.h"
#include "core/ImageControls.h"
#include "core/modLocalisation.h"
#include "entry/EntryWindows.h"
#include "mainwindow/ActivityList.h"
#include "mainwindow/MonthViewCells.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/ReportedFailures.h"
#include "transfer/modMerge.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kDateColumnTwips = 2500;
constexpr int kDurationColumnTwips = 1000;
constexpr int kOtherColumnsTwips = 3600;

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

} // namespace

void frmMain::connectActivityList() {
    connect(MonthView1, &MonthView::DateClick, this,
            [this] { platform::failures::runReported([this] { MonthView1_DateClick(); }); });
    connect(MonthView1, &MonthView::GetDayBold, this, [this](QDate startDay, int count) {
        platform::failures::runReported([&] { MonthView1_GetDayBold(startDay, count); });
    });
    connect(MonthView1, &MonthView::MouseUp, this,
            [this] { platform::failures::runReported([this] { ApplyCalendarRange(); }); });
    connect(ListView1, &QTreeWidget::itemClicked, this,
            [this] { platform::failures::runReported([this] { ListView1_ItemClick(); }); });
    // The keyboard moves through the list as a click does; the mouse is told by itemClicked.
    connect(ListView1, &QTreeWidget::currentItemChanged, this, [this] {
        if (QApplication::mouseButtons() == Qt::NoButton)
            platform::failures::runReported([this] { ListView1_ItemClick(); });
    });
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this,
            [this] { platform::failures::runReported([this] { ListView1_DblClick(); }); });
    ListView1->installEventFilter(this);
    showActivityColumns();
}

void frmMain::DisplayActivity(QDate firstDay, QDate lastDay, std::int16_t line) {
    const std::vector<ActivityRow> rows = ActivityRows(firstDay, lastDay);
    // Filling and choosing a line is no athlete's choice: it draws nothing.
    const QSignalBlocker quiet(ListView1);
    ListView1->clear();
    if (rows.empty()) {
        showNoActivities();
    } else {
        showActivityColumns();
        QTreeWidgetItem *current = nullptr;
        for (const ActivityRow &row : rows) {
            auto *item = new QTreeWidgetItem(ListView1, {ActivityList::StartText(row.start),
                                                         ActivityList::DurationText(row.duration),
                                                         ActivityList::DescriptionText(row.description)});
            item->setData(0, kKeyRole, ActivityList::ItemKey(row.key));
            const int icon = ActivityIconIndex(row.type);
            item->setData(0, kActivityIconRole, icon);
            item->setIcon(0, ActivityIcon(icon));
            if (row.key == gCurrentSessionKey)
                current = item;
        }
        ListView1->setCurrentItem(current ? current : ListView1->topLevelItem(0));
        ListView1->setToolTip(text(1643));
        sizeActivityColumns();
    }
    if (line > 0 && line <= ListView1->topLevelItemCount())
        ListView1->setCurrentItem(ListView1->topLevelItem(line - 1));
    if (!selectedActivity())
        MonthView1->setDayBold(MonthView1->Value(), false);
}

void frmMain::showActivityColumns() {
    ListView1->header()->show();
    ListView1->setColumnCount(3);
    ListView1->setHeaderLabels({text(1409), text(1410), text(1411)});
    sizeActivityColumns();
}

// The description takes what the date and the duration leave. A date that is longer in the
// user's language than the designed width widens its column rather than being cut.
void frmMain::sizeActivityColumns() {
    if (ListView1->columnCount() != 3)
        return;
    const int designedDate = pixelsFromTwips(kDateColumnTwips);
    ListView1->resizeColumnToContents(0);
    const int date = std::max(designedDate, ListView1->columnWidth(0));
    ListView1->setColumnWidth(0, date);
    ListView1->setColumnWidth(1, pixelsFromTwips(kDurationColumnTwips));
    ListView1->setColumnWidth(
        2, std::max(0, ListView1->width() - pixelsFromTwips(kOtherColumnsTwips) - (date - designedDate)));
}

// One line that says so, under a single column whose heading is hidden.
void frmMain::showNoActivities() {
    ListView1->clear();
    ListView1->header()->hide();
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({text(1444)});
    ListView1->setColumnWidth(0, pixelsFromTwips(kDateColumnTwips));
    ListView1->setCurrentItem(new QTreeWidgetItem(ListView1, {text(1317)}));
    ListView1->setToolTip(QString());
}

QTreeWidgetItem *frmMain::selectedLine() const {
    // With no line chosen, the list's first line is the selected one.
    return ListView1->currentItem() ? ListView1->currentItem() : ListView1->topLevelItem(0);
}

std::optional<SessionKey> frmMain::selectedActivity() const {
    const QTreeWidgetItem *line = selectedLine();
    return line ? ActivityList::KeyOfItem(line->data(0, kKeyRole).toString()) : std::nullopt;
}

void frmMain::MonthView1_DateClick() {
    DisplayActivity(MonthView1->SelStart(), MonthView1->SelEnd(), 0);
}

void frmMain::MonthView1_GetDayBold(QDate startDay, int count) {
    const std::vector<bool> withActivities = ActivityList::DaysWithActivities(startDay, count);
    for (int offset = 0; offset < count; ++offset)
        MonthView1->setDayBold(startDay.addDays(offset), withActivities[static_cast<std::size_t>(offset)]);
}

// A range dragged over becomes the summary graphs' period and is listed.
void frmMain::ApplyCalendarRange() {
    if (MonthView1->SelStart() == MonthView1->SelEnd())
        return;
    gCurrentGraph = "summary";
    ApplyCustomPeriod({MonthView1->SelStart(), MonthView1->SelEnd()}, 1366);
    DisplayActivity(MonthView1->SelStart(), MonthView1->SelEnd(), 0);
}

void frmMain::ListView1_ItemClick() {
    const auto key = selectedActivity();
    if (!key)
        return;
    gCurrentSessionKey = *key;
    gGraphSelectLive = false;
    ReloadGraphSelection(*key);
}

void frmMain::ListView1_DblClick() {
    editSelectedActivity();
}

bool frmMain::ListView1_KeyDown(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        platform::failures::runReported([this] { editSelectedActivity(); });
        return true;
    case Qt::Key_Delete:
        platform::failures::runReported([this] { deleteSelectedActivity(DeleteForm::Key); });
        return true;
    // The day's only line is chosen already: no arrow can draw it.
    case Qt::Key_Space:
        platform::failures::runReported([this] { ListView1_ItemClick(); });
        return true;
    default:
        return false;
    }
}

// The activity edited is the one selected in the list, whichever was clicked last.
void frmMain::editSelectedActivity() {
    const auto key = selectedActivity();
    if (!key)
        return;
    gCurrentSessionKey = *key;
    gEditExisting = true;
    entry::showAddWorkout(this);
}

void frmMain::mnuDeleteActivity_Click() {
    platform::failures::runReported([this] { deleteSelectedActivity(DeleteForm::Menu); });
}

void frmMain::deleteSelectedActivity(DeleteForm form) {
    using platform::dialogs::Answer;
    using platform::dialogs::Buttons;
    using platform::dialogs::Icon;
    const QTreeWidgetItem *line = selectedLine();
    auto key = selectedActivity();
    if (form == DeleteForm::ImageLink && line && !line->isSelected())
        key.reset();
    if (!key) {
        platform::dialogs::message(text(1403), "Runvella", Icon::None, Buttons::Ok, this);
        return;
    }
    const QString question = form == DeleteForm::ImageLink ? text(1345) + line->text(0) + " ?"
                                                           : text(1345) + ' ' + line->text(0) + " ?";
    if (platform::dialogs::message(question, "Runvella", Icon::None, Buttons::YesNo, this) != Answer::Yes)
        return;
    std::optional<platform::cursor::BusyCursor> busy;
    if (form != DeleteForm::Key)
        busy.emplace();
    gCurrentGraph = "summary";
    const QDate day = ActivityList::DayOf(*key);
    // The day's body weight and resting pulse are the athlete's own records: they stay.
    modMerge::DeleteSession(*key);
    DisplayActivity(MonthView1->SelStart(), MonthView1->SelEnd(), 0);
    markDay(day);
    gCurrentGraph = "summary";
    showMainGraph();
    if (form != DeleteForm::Key)
        resSummary->hide();
}

// A day is bold while it holds an activity.
void frmMain::markDay(QDate day) {
    if (day.isValid())
        MonthView1->setDayBold(day, ActivityList::DaysWithActivities(day, 1).front());
}

// The first day of an activity is bold while the calendar shows it, when the calendar's range
// holds both its start and its end day.
void frmMain::MarkActivityDay(QDate startDay, QDate endDay) {
    if (MonthView1->minimumDate() > startDay || MonthView1->maximumDate() < endDay)
        return;
    if (startDay < MonthViewCells::VisibleDay(*MonthView1, 1) ||
        startDay > MonthViewCells::VisibleDay(*MonthView1, MonthViewCells::kVisibleDays))
        return;
    MonthView1->setDayBold(startDay, true);
}

void frmMain::ClearDayMark(QDate day) {
    MonthView1->setDayBold(day, false);
}
