#include "preferences/frmOptions.h"

#include "core/FormControls.h"
#include "platform/BusyCursor.h"
#include "platform/Paths.h"
#include "platform/ReportedFailures.h"
#include "preferences/Messages.h"
#include "preferences/RecorderMaintenance.h"

#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using platform::dialogs::Answer;
using platform::dialogs::Buttons;
using platform::dialogs::Icon;

Answer sayAsRecorder(const QString &text, Icon icon, Buttons buttons, QWidget *parent) {
    return platform::dialogs::message(text, preferences::kRecorderTitle, icon, buttons, parent);
}

void tell(const preferences::RecorderReport &report, QWidget *parent) {
    sayAsRecorder(report.text, report.icon, Buttons::Ok, parent);
}

// Runs a recorder function under the busy pointer, then says how it went.
template <typename Function> void runAndTell(Function function, QWidget *parent) {
    platform::failures::runReported([&] {
        const preferences::RecorderReport report = [&] {
            const platform::cursor::BusyCursor busy;
            return function();
        }();
        tell(report, parent);
    });
}

} // namespace

QGroupBox *frmOptions::buildRecorderFrame(QWidget *page) {
    fraRecorder = named(new QGroupBox(page), "fraRecorder", 1835);
    Command3 = named(new QPushButton(fraRecorder), "Command3", 1836);
    Command4 = named(new QPushButton(fraRecorder), "Command4", 1837);
    Command5 = named(new QPushButton(fraRecorder), "Command5", 1838);
    auto *layout = new QVBoxLayout(fraRecorder);
    for (QPushButton *button : {Command3, Command4, Command5})
        layout->addWidget(button);
    connect(Command3, &QPushButton::clicked, this, &frmOptions::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmOptions::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmOptions::Command5_Click);
    return fraRecorder;
}

void frmOptions::Command3_Click() {
    runAndTell(preferences::SynchroniseRecorderClock, this);
}

void frmOptions::Command4_Click() {
    if (sayAsRecorder(preferences::Text(1515), Icon::Question, Buttons::YesNo, this) != Answer::Yes)
        return;
    runAndTell(preferences::ClearRecorderMemory, this);
}

void frmOptions::Command5_Click() {
    // The upload's own progress window shows while the memory is read.
    platform::failures::runReported(
        [this] { tell(preferences::SaveRecorderMemory(platform::paths::dataDir()), this); });
}
