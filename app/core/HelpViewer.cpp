#include "core/HelpViewer.h"

#include "core/HelpPages.h"
#include "core/modLocalisation.h"

#include <QApplication>
#include <QCursor>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QToolTip>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr QSize kPreferredSize(800, 600);
// The part of the screen's free area that the window may take, leaving room for its frame.
constexpr double kShareOfScreen = 0.9;
constexpr int kPopupWidth = 400;
constexpr int kPopupMargin = 6;
constexpr int kHelpTitle = 1843;
constexpr int kSearchPrompt = 1844;

QHash<QString, QPointer<HelpWindow>> windows;
QPointer<HelpWindow> lastShown;
QPointer<QLabel> openPopup;

// On the screen of the window the user works in, whole and in its middle.
void placeOnScreen(QWidget &window) {
    const QWidget *active = QApplication::activeWindow();
    const QScreen *screen = active ? active->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect free = screen->availableGeometry();
    window.resize(kPreferredSize.boundedTo((QSizeF(free.size()) * kShareOfScreen).toSize()));
    window.move(free.center() - window.rect().center());
}

} // namespace

HelpWindow::HelpWindow(const QString &target)
    : target_(target), searchField_(new QLineEdit(this)), browser_(new QTextBrowser(this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    searchField_->setObjectName("searchField");
    // The pages keep their own titles; the window speaks the program's language.
    setWindowTitle(modLocalisation::LoadResString(kHelpTitle));
    searchField_->setPlaceholderText(modLocalisation::LoadResString(kSearchPrompt));
    searchField_->hide();
    browser_->setObjectName("browser");
    browser_->setOpenExternalLinks(true); // web links go to the desktop's browser
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(searchField_);
    layout->addWidget(browser_);
    connect(searchField_, &QLineEdit::returnPressed, this, &HelpWindow::search);
}

void HelpWindow::showPage(const QUrl &page) {
    browser_->setSource(page);
    bringForward();
}

void HelpWindow::showHtml(const QString &html) {
    browser_->setHtml(html);
    bringForward();
}

void HelpWindow::showSearch(const QString &folder) {
    searchFolder_ = folder;
    searchField_->show();
    bringForward();
    searchField_->setFocus();
}

// Escape closes the help window, as it closes a dialog.
void HelpWindow::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        close();
    else
        QWidget::keyPressEvent(event);
}

void HelpWindow::bringForward() {
    show();
    raise();
    activateWindow();
    lastShown = this;
}

void HelpWindow::search() {
    const auto found =
        HelpPages::PagesWithWords(HelpPages::ReadHelpPages(searchFolder_), searchField_->text());
    showHtml(HelpPages::TopicListHtml(modLocalisation::LoadResString(kSearchPrompt), found));
}

namespace HelpViewer {

HelpWindow *open(const QString &target, QWidget *owner) {
    QPointer<HelpWindow> &window = windows[target];
    if (!window) {
        window = new HelpWindow(target);
        placeOnScreen(*window);
    }
    if (window->parentWidget() != owner)
        window->setParent(owner, Qt::Window); // hides it; showing a page shows it again
    return window;
}

void showPopup(const QString &text, const PopupStyle &style, QWidget *owner) {
    if (openPopup)
        openPopup->close();
    auto *label = new QLabel(text, owner, Qt::Popup);
    label->setObjectName("helpPopup");
    label->setAttribute(Qt::WA_DeleteOnClose);
    label->setWordWrap(true);
    label->setMargin(kPopupMargin);
    label->setFont(style.font);
    QPalette colours = QToolTip::palette();
    if (style.text.isValid())
        colours.setColor(QPalette::WindowText, style.text);
    if (style.background.isValid())
        colours.setColor(QPalette::Window, style.background);
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    label->setMaximumWidth(kPopupWidth);
    label->adjustSize();
    label->move(QCursor::pos());
    label->show();
    openPopup = label;
}

void closeAll() {
    for (const QPointer<HelpWindow> &window : std::as_const(windows))
        if (window)
            window->close();
    windows.clear();
    if (openPopup)
        openPopup->close();
}

HelpWindow *window() {
    return lastShown && lastShown->isVisible() ? lastShown.data() : nullptr;
}

QLabel *popup() {
    return openPopup;
}

} // namespace HelpViewer
