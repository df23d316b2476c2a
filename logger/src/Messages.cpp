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
    // The caller's other windows run while the box is up and may call the library: what they
    // leave in the last error is theirs, not the code of the call that shows the box.
    const DeviceError code = state().lastError;
    platform::dialogs::message(text, libraryCaption(), platform::dialogs::Icon::Information,
                               platform::dialogs::Buttons::Ok);
    setLastError(code);
}

bool windowsAvailable() {
    return qobject_cast<QApplication *>(QCoreApplication::instance()) &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace logger
