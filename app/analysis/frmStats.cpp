#include "analysis/frmStats.h"

#include "analysis/CourseSamples.h"
#include "analysis/ListRoom.h"
#include "analysis/ReportList.h"
#include "core/FormControls.h"
#include "core/Form_ControlPos.h"
#include "core/Globals.h"
#include "core/LocalizeForm.h"
#include "core/StoredActivity.h"
#include "core/modLocalisation.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/ReportedFailures.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

using namespace ControlMoveMode;

namespace {

constexpr QSize kDesignedSize(760, 340);
// The list is named for screen readers as the track plot names the same statistics.
constexpr int kListName = 1678;

} // namespace

frmStats::frmStats(QWidget *parent)
    : QDialog(parent), menuBar(named(new QMenuBar(this), "menuBar")),
      mnuFile(named(menuBar->addMenu(QStringLiteral("E&dit")), "mnuFile")),
      mnuEditCopy(named(mnuFile->addAction(QStringLiteral("&Copy")), "mnuEditCopy", 1344)),
      lstStats(named(new QTableWidget(this), "lstStats")), Label2(named(new QLabel(this), "Label2", 1696)),
      cmbUnits(named(new QComboBox(this), "cmbUnits")), cmdOK(named(new QPushButton(this), "cmdOK", 1452)),
      m_ControlPos(new Form_ControlPos(this)) {
    setObjectName("frmStats");
    setProperty("tag", 1647);
    setModal(true);
    // The main window's Edit menu lends its caption, access key included.
    mnuFile->menuAction()->setProperty("tag", 1309);
    analysis::PrepareReportList(lstStats, false);
    lstStats->installEventFilter(this);

    resize(kDesignedSize);
    const int width = kDesignedSize.width();
    const int height = kDesignedSize.height();
    const int menuHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width, menuHeight);
    lstStats->setGeometry(8, menuHeight + 8, width - 16, height - menuHeight - 56);
    cmdOK->setGeometry(width - 96, height - 40, 88, 28);
    cmbUnits->setGeometry(width - 244, height - 40, 140, 26);
    // Right-aligned up to the list, so a long caption grows to the left.
    Label2->setGeometry(8, height - 40, cmbUnits->x() - 16, 26);
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setBuddy(cmbUnits);

    connect(mnuEditCopy, &QAction::triggered, this, &frmStats::CopyData);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load();
    connect(cmbUnits, &QComboBox::activated, this, &frmStats::cmbUnits_Click);
    // The caption of the unit box needs its room beside the box and the OK button.
    resize(analysis::OpeningSize(*this, *lstStats, Label2->sizeHint().width() + width - Label2->width()));
}

void frmStats::Form_Load() {
    m_ControlPos->Init(this);
    m_ControlPos->Add(menuBar, Keep, Keep, AddChange, Keep, false);
    m_ControlPos->Add(lstStats, Keep, Keep, AddChange, AddChange, false);
    for (QWidget *control : std::initializer_list<QWidget *>{cmdOK, Label2, cmbUnits})
        m_ControlPos->Add(control, AddChange, AddChange, Keep, Keep, false);

    cmbUnits->addItems(analysis::MarkerIntervalTexts(gPrimaryUnit));
    cmbUnits->setCurrentIndex(0);

    const platform::cursor::BusyCursor busy;
    modLocalisation::LocalizeForm(this);
    lstStats->setAccessibleName(modLocalisation::LoadResString(kListName));
    platform::failures::runReported([this] {
        m_HasPosition = analysis::StartsWithPosition(gCurrentSessionKey);
        SetupListControl();
        FillData();
    });
}

analysis::CourseSettings frmStats::settings() const {
    return {.interval = analysis::MarkerInterval(cmbUnits->currentIndex()),
            .unit = gPrimaryUnit,
            .heavySmoothing = gUseSmoothing,
            .withPositions = m_HasPosition,
            .withHeartRate = m_SessionType == 20};
}

void frmStats::SetupListControl() {
    const auto activity = ReadActivity(gCurrentSessionKey);
    m_SessionType = activity ? activity->type : 0;
    analysis::SetCourseColumns(lstStats, settings());
}

void frmStats::FillData() {
    const platform::cursor::BusyCursor busy;
    if (!ReadActivity(gCurrentSessionKey)) {
        const platform::cursor::NormalCursor waiting;
        platform::dialogs::message(modLocalisation::LoadResString(1648), QStringLiteral("Runvella"),
                                   platform::dialogs::Icon::None, platform::dialogs::Buttons::Ok, this);
        return;
    }
    const analysis::CourseSettings chosen = settings();
    std::vector<analysis::HeartRateSample> heartRates;
    if (chosen.withHeartRate)
        heartRates = analysis::ReadHeartRateSamples(gCurrentSessionKey);
    for (const analysis::CourseRow &row :
         analysis::FillData(analysis::ReadCourseSamples(gCurrentSessionKey), heartRates, chosen))
        analysis::AddRow(lstStats, row.fields);
    analysis::FitColumnsToEntries(lstStats, analysis::WidestColumn(*this, *lstStats));
}

void frmStats::CopyData() {
    QApplication::clipboard()->setText(analysis::SelectedRowsText(lstStats, lstStats->columnCount(), true));
}

void frmStats::cmbUnits_Click() {
    platform::failures::runReported([this] {
        SetupListControl();
        FillData();
    });
}

bool frmStats::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        lstStats->setFocus();
    return QDialog::event(event);
}

bool frmStats::eventFilter(QObject *watched, QEvent *event) {
    if (watched == lstStats && event->type() == QEvent::KeyPress &&
        analysis::HandleListKey(static_cast<QKeyEvent *>(event), lstStats, [this] { CopyData(); }))
        return true;
    return QDialog::eventFilter(watched, event);
}

void frmStats::keyPressEvent(QKeyEvent *event) {
    if (!analysis::HandleListKey(event, lstStats, [this] { CopyData(); }))
        QDialog::keyPressEvent(event);
}
