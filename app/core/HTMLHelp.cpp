#include "core/HTMLHelp.h"

#include "core/Globals.h"
#include "core/HelpViewer.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

void warn(const QString &text) {
    platform::dialogs::message(text, "HTML Help Class", platform::dialogs::Icon::Warning);
}

} // namespace

void HTMLHelp::HHDisplayContents() {
    QString path = CHMFile;
    if (!CheckHtmlFile(path) || !EnsureFileExists(path))
        return;
    HelpViewer::showPage(path);
}

void HTMLHelp::HHClose() {
    HelpViewer::closeAll();
}

bool HTMLHelp::CheckHtmlFile(const QString &path) const {
    if (path.endsWith("html", Qt::CaseInsensitive) || path.endsWith("htm", Qt::CaseInsensitive))
        return true;
    warn(path + " is not a valid HTML Help file.");
    return false;
}

// A bare file name is looked for in the program's folder.
bool HTMLHelp::EnsureFileExists(QString &path) const {
    if (!path.contains('/'))
        path = QCoreApplication::applicationDirPath() + '/' + path;
    if (QFileInfo::exists(path))
        return true;
    warn("The file " + path +
         " does not exist.\nPlease make sure the correct path and file name have been specified.");
    return false;
}

void ShowHelpContents() {
    delete gHelp;
    gHelp = new HTMLHelp;
    gHelp->CHMFile = platform::paths::helpDir() + "/index.html";
    gHelp->HHDisplayContents();
}
