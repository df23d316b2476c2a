#include "exchange/frmExport.h"

#include "core/ActivityCalendar.h"
#include "core/ActivityListText.h"
#include "core/ActivityRows.h"
#include "core/DayActivityLines.h"
#include "core/FormControls.h"
#include "core/LocalizeForm.h"
#include "core/StoredSamples.h"
#include "core/modLocalisation.h"
#include "exchange/DataFileExport.h"
#include "exchange/ExchangeFiles.h"
#include "exchange/NmeaExport.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/ReportedFailures.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

using DayActivityLines::kKeyRole;
constexpr int kDataFileMode = 1;
constexpr int kNmeaMode = 2;
constexpr int kDataFiles = 1839;
constexpr int kNmeaFiles = 1840;
constexpr int kAllFiles = 1841;

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

} // namespace

frmExport::frmExport(QWidget *parent)
    : QDialog(parent), Frame1(named(new QGroupBox(this), "Frame1", 1408)),
      MonthView1(named(new QCalendarWidget(Frame1), "MonthView1")),
      ListView1(named(new QTreeWidget(Frame1), "ListView1")), Label1(named(new QLabel(Frame1), "Label1")),
      chkCompat(named(new QCheckBox(this), "chkCompat", 1680)),
      cmdExport(named(new QPushButton(this), "cmdExport", 1412)),
      Command5(named(new QPushButton(this), "Command5", 1422)) {
    setObjectName("frmExport");
    setModal(true);
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setMinimumWidth(pixelsFromTwips(2500 + 1000 + 3600));
    Label1->setWordWrap(true);
    cmdExport->setDefault(true);

    auto *frame = new QVBoxLayout(Frame1);
    frame->addWidget(MonthView1);
    frame->addWidget(ListView1);
    frame->addWidget(Label1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdExport);
    buttons->addWidget(Command5);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(chkCompat);
    layout->addLayout(buttons);

    Form_Load();
    connect(MonthView1, &QCalendarWidget::selectionChanged, this, &frmExport::MonthView1_DateClick);
    // A day chosen with the keyboard leaves the focus in the calendar, so that the arrows go on from
    // day to day; a click hands it to the list.
    connect(MonthView1, &QCalendarWidget::clicked, this, [this] { ListView1->setFocus(); });
    connect(MonthView1, &QCalendarWidget::currentPageChanged, this, &frmExport::markShownMonth);
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &frmExport::updateExportCommand);
    connect(cmdExport, &QPushButton::clicked, this, &frmExport::cmdExport_Click);
    connect(Command5, &QPushButton::clicked, this, &QDialog::reject);
}

void frmExport::Form_Load() {
    if (gStartOfWeek == "Monday")
        MonthView1->setFirstDayOfWeek(Qt::Monday);
    else if (gStartOfWeek == "Sunday")
        MonthView1->setFirstDayOfWeek(Qt::Sunday);
    modLocalisation::LocalizeForm(this);
    setWindowTitle(text(1408));
    ActivityCalendar::Name(*MonthView1);
    ListView1->setAccessibleName(text(1856));
    MonthView1->setSelectedDate(QDate::currentDate());
    Label1->setText(text(1650));
    Label1->hide();
    cmdExport->setEnabled(false);
    chkCompat->setVisible(gExportMode == kDataFileMode);
    markShownMonth();
    platform::failures::runReported([this] { FillExportList(MonthView1->selectedDate()); });
}

void frmExport::FillExportList(const QDate &day) {
    const QSignalBlocker blocker(ListView1);
    ActivityListText::ShowColumns(*ListView1);

    // Only the GPS samples of an activity make an NMEA file.
    const std::vector<ActivityRow> activities = ActivityRows(day, day);
    DayActivityLines::Add(
        *ListView1, activities,
        [](SessionKey key) { return gExportMode != kNmeaMode || HasSamples(key, SampleKind::Gps); }, false);
    ActivityListText::FitColumns(*ListView1);
    if (activities.empty())
        showNoActivities();
}

void frmExport::showNoActivities() {
    ListView1->clear();
    ListView1->setColumnCount(1);
    ListView1->setHeaderLabels({text(1444)});
    ListView1->setColumnWidth(0, pixelsFromTwips(2500));
    new QTreeWidgetItem(ListView1, {text(1317)});
}

const QTreeWidgetItem *frmExport::selectedActivity() const {
    const QList<QTreeWidgetItem *> selected = ListView1->selectedItems();
    if (selected.isEmpty() || selected.first()->data(0, kKeyRole).isNull())
        return nullptr;
    return selected.first();
}

void frmExport::updateExportCommand() {
    cmdExport->setEnabled(selectedActivity() != nullptr);
}

void frmExport::MonthView1_DateClick() {
    cmdExport->setEnabled(false);
    platform::failures::runReported([this] { FillExportList(MonthView1->selectedDate()); });
    Label1->setVisible(ListView1->topLevelItemCount() == 0 && gExportMode == kNmeaMode);
    updateExportCommand();
}

void frmExport::markShownMonth() {
    platform::failures::runReported([this] { ActivityCalendar::MarkActivityDays(*MonthView1); });
}

QString frmExport::DefaultFileName() const {
    const QDate day = MonthView1->selectedDate();
    const QTreeWidgetItem *item = selectedActivity();
    const int position = item ? ListView1->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(item)) + 1 : 0;
    return QStringLiteral("Runvella_%1_%2-%3-%4.%5")
        .arg(position)
        .arg(day.month())
        .arg(day.day())
        .arg(day.year())
        .arg(gExportMode == kNmeaMode ? "txt" : "csv");
}

void frmExport::cmdExport_Click() {
    const QTreeWidgetItem *item = selectedActivity();
    if (!item || (gExportMode != kDataFileMode && gExportMode != kNmeaMode)) {
        reject();
        return;
    }
    const QString filter = text(gExportMode == kNmeaMode ? kNmeaFiles : kDataFiles) + ";;" + text(kAllFiles);
    const QString path = platform::dialogs::saveFileName(
        text(1407), QDir(exchange::DataFolder()).filePath(DefaultFileName()), filter, this);
    if (path.isEmpty()) {
        reject();
        return;
    }
    exportTo(item->data(0, kKeyRole).toString().mid(1).toLongLong(), path);
    accept();
}

void frmExport::exportTo(SessionKey key, const QString &path) {
    platform::failures::runReported([&] {
        const platform::cursor::BusyCursor busy;
        try {
            if (gExportMode == kNmeaMode)
                exchange::ExportNmeaFile(key, path);
            else
                exchange::ExportDataFile(key, path, chkCompat->isChecked() && chkCompat->isVisibleTo(this));
        } catch (const exchange::ExchangeError &) {
            const platform::cursor::NormalCursor normal;
            platform::dialogs::message(text(1727).replace(QStringLiteral("%X"), path),
                                       QStringLiteral("Runvella"), platform::dialogs::Icon::Critical,
                                       platform::dialogs::Buttons::Ok, this);
        }
    });
}
