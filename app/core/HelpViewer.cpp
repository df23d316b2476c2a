#include "core/HelpViewer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

namespace HelpViewer {
namespace {

constexpr QSize kPreferredSize(800, 600);
// The part of the screen's free area that the window may take, leaving room for its frame.
constexpr double kShareOfScreen = 0.9;

// Escape closes the help window, as it closes a dialog.
class HelpBrowser : public QTextBrowser {
protected:
    void keyPressEvent(QKeyEvent *event) override {
        if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
            close();
        else
            QTextBrowser::keyPressEvent(event);
    }
};

QPointer<QTextBrowser> viewer;

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

QTextBrowser *createViewer() {
    auto *browser = new HelpBrowser;
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setOpenExternalLinks(true); // web links go to the desktop's browser
    placeOnScreen(*browser);
    QObject::connect(browser, &QTextBrowser::sourceChanged, browser,
                     [browser] { browser->setWindowTitle(browser->documentTitle()); });
    return browser;
}

} // namespace

void showPage(const QString &path) {
    if (!viewer)
        viewer = createViewer();
    viewer->setSource(QUrl::fromLocalFile(path));
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void closeAll() {
    if (viewer)
        viewer->close();
}

QTextBrowser *window() {
    return viewer && viewer->isVisible() ? viewer.data() : nullptr;
}

} // namespace HelpViewer
