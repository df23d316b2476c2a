#include "CenterDialog.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace logger {
namespace {

int centeredCoordinate(int referenceStart, int referenceLength, int length, int screenLength) {
    int at = referenceStart + referenceLength / 2 - length / 2;
    if (at + length > screenLength)
        at = screenLength - length;
    return std::max(at, 0);
}

} // namespace

QPoint centeredPosition(const QRect &reference, const QSize &dialog, const QSize &screen) {
    return {centeredCoordinate(reference.left(), reference.width(), dialog.width(), screen.width()),
            centeredCoordinate(reference.top(), reference.height(), dialog.height(), screen.height())};
}

void CenterDialog(QWidget *dialog) {
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize screenSize = screen->size();
    const QWidget *active = QApplication::activeWindow();
    const QRect reference = active ? active->frameGeometry() : QRect(QPoint(0, 0), screenSize);
    dialog->move(centeredPosition(reference, dialog->size(), screenSize));
}

} // namespace logger
