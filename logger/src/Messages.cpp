#include "Messages.h"

#include "LibraryState.h"
#include "LibraryStrings.h"

#include "platform/Dialogs.h"

#include <QApplication>
#include <QThread>

namespace logger {

void showMessage(int stringId) {
    if (state().messageBoxesOn)
        showNotice(libraryString(stringId));
}

void showNotice(const QString &text) {
    if (!windowsAvailable())
        return;
    platform::dialogs::message(text, libraryCaption(), platform::dialogs::Icon::Information,
                               platform::dialogs::Buttons::Ok);
}

bool windowsAvailable() {
    return qobject_cast<QApplication *>(QCoreApplication::instance()) &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace logger
