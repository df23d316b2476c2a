#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QUrl;

// One window of the program's help viewer: the pages of one display target, and a search field
// that the search display shows. It outlives whatever opened it, until HelpViewer::closeAll() or
// the user closes it.
class HelpWindow : public QWidget {
public:
    explicit HelpWindow(const QString &target);

    const QString &target() const { return target_; }
    QTextBrowser *browser() const { return browser_; }
    QLineEdit *searchField() const { return searchField_; }

    // Each brings the window to the front.
    void showPage(const QUrl &page);
    void showHtml(const QString &html);
    // Shows the search field with the focus; Enter lists the pages of the folder that hold its words.
    void showSearch(const QString &folder);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void bringForward();
    void search();

    QString target_;
    QString searchFolder_;
    QLineEdit *searchField_;
    QTextBrowser *browser_;
};

namespace HelpViewer {

// The window of the display target, made on first use, owned by the owner (none: a window of its own).
HelpWindow *open(const QString &target, QWidget *owner);

struct PopupStyle {
    QColor text; // invalid: the colours of the desktop's tool tips
    QColor background;
    QFont font;
};
// Shows the text in a popup at the mouse position, owned by the owner; it replaces the popup
// shown before and closes at the next click or key.
void showPopup(const QString &text, const PopupStyle &style, QWidget *owner);

// Closes every help window and the popup.
void closeAll();

// The help window shown last, while it is open; nullptr otherwise.
HelpWindow *window();
// The open popup, or nullptr.
QLabel *popup();

} // namespace HelpViewer
