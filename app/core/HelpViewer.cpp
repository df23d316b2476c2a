#include "core/HelpViewer.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace HelpViewer {
namespace {

QPointer<QTextBrowser> viewer;

QTextBrowser *createViewer() {
    auto *browser = new QTextBrowser;
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setOpenExternalLinks(true); // web links go to the desktop's browser
    browser->resize(800, 600);
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
