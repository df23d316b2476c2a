#include "entry/EntryBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <memory>

EntryBox::EntryBox(Keys keys, int typedLength, QWidget *parent)
    : QLineEdit(parent), keys_(keys), typedLength_(typedLength) {
    setAcceptDrops(false);
}

bool EntryBox::takes(QChar typed) const {
    if (typed >= '0' && typed <= '9')
        return true;
    switch (keys_) {
    case Keys::Any:
        return true;
    case Keys::Digits:
        return false;
    case Keys::Decimal:
        return (typed == '.' || typed == ',') && !text().contains(typed);
    }
    return false;
}

qsizetype EntryBox::room() const {
    return typedLength_ - (text().size() - selectedText().size());
}

// Blanks around the pasted text go before it is measured: leaving the box would drop them.
void EntryBox::insertPasted(const QString &pasted) {
    if (isReadOnly())
        return;
    const QString trimmed = pasted.trimmed();
    if (trimmed.size() > room()) {
        emit pasteRefused(pasted);
        return;
    }
    insert(trimmed);
}

void EntryBox::pasteFrom(QClipboard::Mode mode) {
    insertPasted(QApplication::clipboard()->text(mode));
}

void EntryBox::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteFrom(QClipboard::Clipboard);
        event->accept();
        return;
    }
    const QString typed = event->text();
    if (typed.size() == 1 && typed.front().isPrint()) {
        if (takes(typed.front()) && room() > 0)
            insert(typed);
        event->accept();
        return;
    }
    // Control letters other than copy and cut (Ctrl+A, Ctrl+Z) are refused like characters the
    // box does not take; keys that type nothing (arrows, Backspace, Delete, Enter) keep their use.
    const bool controlLetter =
        (event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z;
    if (controlLetter && keys_ != Keys::Any && !event->matches(QKeySequence::Copy) &&
        !event->matches(QKeySequence::Cut)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryBox::mouseReleaseEvent(QMouseEvent *event) {
    if (event->button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
        pasteFrom(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void EntryBox::contextMenuEvent(QContextMenuEvent *event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (auto *paste = menu->findChild<QAction *>("edit-paste")) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
    }
    menu->exec(event->globalPos());
}

void EntryBox::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    selectAll();
    // A click places the cursor after the focus arrives; select again once it has.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void EntryBox::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    // Another window taking the focus (a message box, a menu) is not leaving the box.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit left();
}
