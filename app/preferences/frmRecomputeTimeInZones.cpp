#include "preferences/frmRecomputeTimeInZones.h"

#include "core/FormControls.h"
#include "core/LocalizeForm.h"
#include "platform/ReportedFailures.h"
#include "preferences/Messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>

namespace {

void tell(int id, QWidget *parent) {
    preferences::Say(id, platform::dialogs::Icon::None, parent);
}

int progressValue(std::int64_t count) {
    return static_cast<int>(std::min<std::int64_t>(count, INT_MAX));
}

} // namespace

frmRecomputeTimeInZones::frmRecomputeTimeInZones(QWidget *parent)
    : QDialog(parent), ProgressBar1(named(new QProgressBar(this), "ProgressBar1")),
      Label1(named(new QLabel(this), "Label1", 1717)),
      Command1(named(new QPushButton(this), "Command1", 1422)) {
    setObjectName("frmRecomputeTimeInZones");
    setModal(true);
    setWindowTitle("Runvella");
    ProgressBar1->setMinimumWidth(320);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &frmRecomputeTimeInZones::Command1_Click);
    Form_Load();
}

void frmRecomputeTimeInZones::Form_Load() {
    modLocalisation::LocalizeForm(this);
    showStatus(Label1->text());
    cancelled_ = false;
}

void frmRecomputeTimeInZones::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!started_) {
        started_ = true;
        // The run begins once the window's own event loop turns.
        QTimer::singleShot(0, this, &frmRecomputeTimeInZones::Form_Activate);
    }
}

void frmRecomputeTimeInZones::Form_Activate() {
    if (cancelled_)
        return;
    const bool listed = platform::failures::runReported([this] { run_.emplace(gConn); });
    if (!listed) {
        done(Rejected);
        return;
    }
    if (run_->total() < 1) {
        tell(1716, this);
        done(Rejected);
        return;
    }
    ProgressBar1->setRange(0, progressValue(run_->total()));
    ProgressBar1->setValue(0);
    running_ = true;
    QTimer::singleShot(0, this, &frmRecomputeTimeInZones::recomputeNext);
}

void frmRecomputeTimeInZones::recomputeNext() {
    if (cancelled_) {
        running_ = false;
        done(Rejected);
        tell(1719, parentWidget());
        return;
    }
    if (!platform::failures::runReported([this] { run_->step(); })) {
        running_ = false;
        done(Rejected);
        return;
    }
    ProgressBar1->setValue(progressValue(run_->done()));
    if (!run_->finished()) {
        QTimer::singleShot(0, this, &frmRecomputeTimeInZones::recomputeNext);
        return;
    }
    running_ = false;
    Command1->setText(preferences::Text(1420));
    showStatus(preferences::Text(1715));
}

void frmRecomputeTimeInZones::showStatus(const QString &status) {
    Label1->setText(status);
    // A screen reader announces the progress bar by what the window is doing at the moment.
    ProgressBar1->setAccessibleName(status);
}

void frmRecomputeTimeInZones::Command1_Click() {
    // While the run goes on, its next turn sees the request and closes the window.
    cancelled_ = true;
    if (!running_)
        done(Rejected);
}

void frmRecomputeTimeInZones::reject() {
    Command1_Click();
}
