#pragma once

#include <QDialog>
#include <QStringList>

class QPixmap;

namespace platform::dialogs {

// A message box whose text leads into a list of any length: the list scrolls, and the box never
// grows beyond the screen it opens on. The list takes the keys first, so that a screen reader
// reads the text as the list's name and then its first entry; Enter and Escape close the box.
class ListBox : public QDialog {
public:
    // An empty caption keeps the toolkit's own.
    ListBox(const QString &text, const QStringList &items, const QString &title, const QPixmap &icon,
            const QString &okCaption, QWidget *parent);
};

} // namespace platform::dialogs
