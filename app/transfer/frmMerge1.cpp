#include "transfer/frmMerge1.h"

#include "core/ActivityCalendar.h"
#include "core/ActivityListText.h"
#include "core/ActivityRows.h"
#include "core/DayActivityLines.h"
#include "core/FormControls.h"
#include "core/StoredSamples.h"
#include "core/modLocalisation.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/ReportedFailures.h"
#include "transfer/TransferState.h"
#include "transfer/modMerge.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using DayActivityLines::kKeyRole;

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

void warn(int id) {
    platform::dialogs::message(text(id), text(1689), platform::dialogs::Icon::Warning);
}

} // namespace

frmMerge1::frmMerge1(QWidget *parent)
    : QDialog(parent), Label1(named(new QLabel(this), "Label1", 1656)),
      lblInstructions(named(new QLabel(this), "lblInstructions", 1684)),
      MonthView1(named(new QCalendarWidget(this), "MonthView1", 0)),
      ListView1(named(new QTreeWidget(this), "ListView1", 0)),
      cmdOK(named(new QPushButton(this), "cmdOK", 1452)),
      cmdCancel(named(new QPushButton(this), "cmdCancel", 1422)) {
    setObjectName("frmMerge1");
    setProperty("tag", 1689);
    setModal(true);
    lblInstructions->setWordWrap(true);
    ListView1->setRootIsDecorated(false);
    ListView1->setMinimumWidth(640);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(lblInstructions);
    layout->addWidget(MonthView1);
    layout->addWidget(ListView1);
    layout->addLayout(buttons);

    // Until the main window localises its windows, the texts come straight from the string table.
    setWindowTitle(text(1689));
    Label1->setText(text(1656));
    lblInstructions->setText(text(1684));
    cmdOK->setText(text(1452));
    cmdCancel->setText(text(1422));
    ActivityCalendar::Name(*MonthView1);
    ListView1->setAccessibleName(text(1856));

    Form_Load();
    connect(MonthView1, &QCalendarWidget::selectionChanged, this, &frmMerge1::MonthView1_DateClick);
    connect(MonthView1, &QCalendarWidget::currentPageChanged, this, &frmMerge1::markShownMonth);
    connect(ListView1, &QTreeWidget::itemChanged, this, &frmMerge1::ListView1_ItemCheck);
    connect(cmdOK, &QPushButton::clicked, this, &frmMerge1::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMerge1::cmdCancel_Click);
}

void frmMerge1::Form_Load() {
    MonthView1->setSelectedDate(QDate::currentDate());
    cmdOK->setEnabled(false);
    if (gStartOfWeek == "Monday")
        MonthView1->setFirstDayOfWeek(Qt::Monday);
    else if (gStartOfWeek == "Sunday")
        MonthView1->setFirstDayOfWeek(Qt::Sunday);
    gExportMode = 1; // activities that have samples of any kind
    markShownMonth();
    FillMergeList(MonthView1->selectedDate());
}

void frmMerge1::FillMergeList(const QDate &day) {
    const QSignalBlocker blocker(ListView1);
    ActivityListText::ShowColumns(*ListView1);

    const std::vector<ActivityRow> activities = ActivityRows(day, day);
    DayActivityLines::Add(
        *ListView1, activities, [](SessionKey key) { return HasSamples(key); }, true);
    ActivityListText::FitColumns(*ListView1);
    if (activities.empty())
        showNoActivities();
}

void frmMerge1::showNoActivities() {
    ListView1->clear();
    ListView1->header()->hide();
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({text(1444)});
    ListView1->setColumnWidth(0, pixelsFromTwips(2500));
    new QTreeWidgetItem(ListView1, {text(1317)});
}

void frmMerge1::ListView1_ItemCheck(QTreeWidgetItem *item) {
    cmdOK->setEnabled(false);
    int checked = 0;
    for (int line = 0; line < ListView1->topLevelItemCount(); ++line)
        if (ListView1->topLevelItem(line)->checkState(0) == Qt::Checked)
            ++checked;
    ListView1->clearSelection();
    ListView1->setCurrentItem(item);
    cmdOK->setEnabled(checked == 2);
}

void frmMerge1::MonthView1_DateClick() {
    cmdOK->setEnabled(false);
    platform::failures::runReported([this] { FillMergeList(MonthView1->selectedDate()); });
}

void frmMerge1::markShownMonth() {
    platform::failures::runReported([this] { ActivityCalendar::MarkActivityDays(*MonthView1); });
}

void frmMerge1::cmdOK_Click() {
    QList<SessionKey> keys;
    for (int line = 0; line < ListView1->topLevelItemCount() && keys.size() < 2; ++line) {
        const QTreeWidgetItem *item = ListView1->topLevelItem(line);
        if (item->checkState(0) == Qt::Checked)
            keys.append(item->data(0, kKeyRole).toString().mid(1).toLongLong());
    }
    if (keys.size() < 2)
        return;
    // The list runs by start, so the first key is the earlier activity, which stays.
    gMergeKey1 = keys[0];
    gMergeKey2 = keys[1];
    gCurrentSessionKey = gMergeKey1;

    bool merged = false;
    // The merge is one transaction: after a failure both activities are as they were.
    if (!platform::failures::runReported([&] {
            const platform::cursor::BusyCursor busy;
            merged = modMerge::MergeSessions(gMergeKey1, gMergeKey2, 0);
        }))
        return;

    if (!merged) {
        if (gMergeUnitsDiffer) {
            warn(1713);
            gMergeUnitsDiffer = false;
            reject();
        } else {
            warn(1705);
        }
        return;
    }
    platform::dialogs::message(text(1661), "Runvella", platform::dialogs::Icon::None);
    gCurrentGraph = "";
    emit activitiesChanged(gMergeKey1);
    accept();
}

void frmMerge1::cmdCancel_Click() {
    reject();
}
