#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace logger {

// Where a dialog of `dialog` size stands over `reference` on a screen of `screen` size: centred,
// moved left and up where it would leave the screen, and never at a negative position.
QPoint centeredPosition(const QRect &reference, const QSize &dialog, const QSize &screen);

// Moves the dialog over the active window (over the whole screen when there is none).
void CenterDialog(QWidget *dialog);

} // namespace logger
