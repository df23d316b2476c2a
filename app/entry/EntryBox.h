#pragma once

#include <QClipboard>
#include <QLineEdit>

// A one-line box of the entry windows. It selects its whole text when it gets the focus, refuses
// the typed characters its kind does not take, keeps typed and pasted text within its length
// (text set by the program may be longer, so stored figures are shown whole), and tells when
// the athlete leaves it for another control of the window.
class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    enum class Keys {
        Any,      // every character
        Digits,   // digits only
        Speed,    // digits and any number of "." and of the locale's decimal separator
        Distance, // digits, one "." and one ","
    };

    EntryBox(Keys keys, int typedLength, QWidget *parent = nullptr);

    int typedLength() const { return typedLength_; }

    // Replaces the selection by the text, cut to the room the length leaves, as typing does.
    void insertWithinLength(const QString &inserted);

signals:
    void left();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool takes(QChar typed) const;
    void pasteWithinLength(QClipboard::Mode mode);

    Keys keys_;
    int typedLength_;
};
