#include "InformationDialogs.h"

#include "CenterDialog.h"
#include "LibraryState.h"
#include "LibraryStrings.h"
#include "Messages.h"
#include "protocol/Protocol.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace logger {
namespace {

constexpr int kMostUploadsWhileArmed = 18;
constexpr int kUploadsBeforeDue = 4;
constexpr int kClosedResult = 100;

QString textOf(InformationDialog dialog) {
    return dialog == InformationDialog::MemoryCleared
               ? QStringLiteral("The recorder's memory is empty and ready for your next sessions.\n\n"
                                "Thank you for training with the VELKO Data Recorder.")
               : QStringLiteral("The recorder's clock now keeps your computer's time.\n\n"
                                "Thank you for training with the VELKO Data Recorder.");
}

void runDialog(InformationDialog dialog) {
    QDialog box(QApplication::activeWindow());
    box.setObjectName(QString::number(int(dialog)));
    box.setWindowTitle(libraryCaption());
    auto *layout = new QVBoxLayout(&box);
    auto *text = new QLabel(textOf(dialog), &box);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto *close = new QPushButton(QStringLiteral("OK"), &box);
    close->setObjectName(QStringLiteral("1011"));
    close->setDefault(true);
    layout->addWidget(close, 0, Qt::AlignHCenter);
    QObject::connect(close, &QPushButton::clicked, &box, [&box] { box.done(kClosedResult); });
    box.adjustSize();
    CenterDialog(&box);
    box.exec();
}

} // namespace

void noteCommandForInformationDialogs(int command) {
    InformationDialogTrigger &trigger = state().informationDialog;
    if (!trigger.armed) {
        trigger.counter = 0;
        return;
    }
    if (command == kUploadSize && ++trigger.counter > kMostUploadsWhileArmed)
        trigger.armed = false;
}

void noteClockForInformationDialogs(const ClockFields &fields) {
    if (fields == kInformationDialogMoment)
        state().informationDialog = {true, 0};
}

void showInformationDialogIfDue(InformationDialog dialog) {
    InformationDialogTrigger &trigger = state().informationDialog;
    if (trigger.counter <= kUploadsBeforeDue)
        return;
    trigger.armed = false;
    if (windowsAvailable())
        runDialog(dialog);
}

} // namespace logger
