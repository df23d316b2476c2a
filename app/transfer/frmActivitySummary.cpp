#include "transfer/frmActivitySummary.h"

#include "core/FormControls.h"
#include "core/Globals.h"
#include "core/LocalizeForm.h"
#include "core/modHelpersCursor.h"
#include "core/modLocalisation.h"
#include "mainwindow/MainWindowServices.h"
#include "platform/ReportedFailures.h"
#include "transfer/NoticeWidgets.h"
#include "transfer/RecorderMemory.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

constexpr int kKeyRole = Qt::UserRole;

} // namespace

frmActivitySummary::frmActivitySummary(QWidget *parent)
    : QDialog(parent), Frame1(named(new QGroupBox(this), "Frame1", 1538)),
      Label1(named(new QLabel(Frame1), "Label1", 1539)), List1(named(new QListWidget(Frame1), "List1")),
      lblCompressed(NoticeWidgets::paragraph(this, "lblCompressed", 1641)),
      Label2(NoticeWidgets::paragraph(this, "Label2", 1710)),
      chkClearDevice(named(new QCheckBox(this), "chkClearDevice", 1540)),
      Command1(named(new QPushButton(this), "Command1", 1421)) {
    setObjectName("frmActivitySummary");
    setProperty("tag", 1537);
    setModal(true);

    auto *frame = new QVBoxLayout(Frame1);
    frame->addWidget(Label1);
    frame->addWidget(List1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 1);
    for (QWidget *control : std::initializer_list<QWidget *>{lblCompressed, Label2, chkClearDevice})
        layout->addWidget(control);
    layout->addWidget(Command1, 0, Qt::AlignHCenter);

    connect(List1, &QListWidget::itemClicked, this, &frmActivitySummary::List1_Click);
    connect(Command1, &QPushButton::clicked, this, &frmActivitySummary::Command1_Click);
    Form_Load();
}

void frmActivitySummary::Form_Load() {
    modLocalisation::LocalizeForm(this);
    List1->setAccessibleName(modLocalisation::LoadResString(1537));
    Label2->hide();
    List1->clear();
    chkClearDevice->setVisible(gAlwaysClearDR == 0);
    chkClearDevice->setChecked(false);
}

void frmActivitySummary::addActivity(const QString &line, SessionKey key) {
    auto *item = new QListWidgetItem(line, List1);
    item->setData(kKeyRole, QVariant::fromValue<qint64>(key));
}

// The transfer showed the busy pointer before this window came up.
void frmActivitySummary::paintEvent(QPaintEvent *event) {
    modHelpers::SetBusyCursor(0);
    QDialog::paintEvent(event);
}

void frmActivitySummary::withholdClearing() {
    clearingOffered_ = false;
    chkClearDevice->setChecked(false);
    chkClearDevice->hide();
}

void frmActivitySummary::Command1_Click() {
    if (clearingOffered_ && chkClearDevice->isChecked())
        modTransfer::ClearRecorderMemory();
    accept();
}

void frmActivitySummary::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void frmActivitySummary::unload() {
    Form_Unload();
}

void frmActivitySummary::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    if (!mainwindow::Window())
        return;
    platform::failures::runReported([] {
        const QDate day = mainwindow::CalendarDay();
        mainwindow::DisplayActivity(day, day, 0);
        mainwindow::showMainGraph();
    });
}

void frmActivitySummary::List1_Click(QListWidgetItem *item) {
    if (!item)
        return;
    platform::failures::runReported([item] {
        const SessionKey key = item->data(kKeyRole).toLongLong();
        gCurrentSessionKey = key;
        {
            const QScopedValueRollback choosing(gGraphSelectLive, false); // the choices draw nothing
            mainwindow::ShowActivityChoices(key);
        }
        if (gCurrentGraph != "session")
            gCurrentGraph.clear();
        gGraphSelectLive = true;
        mainwindow::showSessionGraph(key);
    });
}
