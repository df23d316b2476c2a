#include "platform/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace platform::cursor {

void setBusy(bool busy) {
    if (busy) {
        if (QGuiApplication::overrideCursor())
            QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

bool isBusy() {
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

} // namespace platform::cursor
