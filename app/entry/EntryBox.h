#pragma once

#include <QClipboard>
#include <QLineEdit>

// A one-line box of the entry windows. It selects its whole text when it gets the focus, refuses
// the typed characters its kind does not take, keeps typed text within its length and refuses a
// paste that does not fit whole once the blanks around it are gone (text set by the program may
// be longer, so stored figures are shown whole), and tells when the athlete leaves it for another
// control of the window.
class EntryBox : public QLineEdit {
    Q_OBJECT

public:
    enum class Keys {
        Any,     // every character
        Digits,  // digits only
        Decimal, // digits, one "." and one ","; one that the locale does not read as the decimal
                 // point is refused when the box is left
    };

    EntryBox(Keys keys, int typedLength, QWidget *parent = nullptr);

    int typedLength() const { return typedLength_; }

    // Replaces the selection by the pasted text without the blanks around it when the result fits
    // the length; otherwise the box stays as it is and tells that it refused the paste.
    void insertPasted(const QString &pasted);

signals:
    void left();
    void pasteRefused(const QString &pasted);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool takes(QChar typed) const;
    qsizetype room() const;
    void pasteFrom(QClipboard::Mode mode);

    Keys keys_;
    int typedLength_;
};
