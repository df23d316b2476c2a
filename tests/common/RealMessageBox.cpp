#include "common/RealMessageBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace testing {
namespace {

void pressLastButton(QStringList &captions) {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box) {
        QTimer::singleShot(10, [&captions] { pressLastButton(captions); });
        return;
    }
    QAbstractButton *last = nullptr;
    for (const auto standard : {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Yes, QMessageBox::No}) {
        if (QAbstractButton *button = box->button(standard)) {
            captions << button->text();
            last = button;
        }
    }
    last->click();
}

} // namespace

RealMessageBox showRealMessageBox(platform::dialogs::Buttons buttons) {
    RealMessageBox shown;
    const auto answers = platform::dialogs::setMessageHandler({});
    QTimer::singleShot(0, [&shown] { pressLastButton(shown.captions); });
    shown.answer = platform::dialogs::message("Text", "Runvella", platform::dialogs::Icon::Question, buttons);
    platform::dialogs::setMessageHandler(answers);
    return shown;
}

} // namespace testing
