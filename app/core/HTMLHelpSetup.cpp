#include "core/HTMLHelp.h"

#include "core/HelpPages.h"
#include "core/modLocalisation.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"

#include <QWhatsThis>

// The viewer is built into the program: its version is the program's, and the pages are drawn by
// Qt's text browser.
QString HTMLHelp::HHVersion() const {
    return QStringLiteral(RUNVELLA_VERSION);
}

QString HTMLHelp::IEVersion() const {
    return QString::fromLatin1(qVersion());
}

QString HTMLHelp::HHFriendlyName() const {
    return "Runvella help viewer " + HHVersion();
}

QString HTMLHelp::IEFriendlyName() const {
    return "Qt " + IEVersion();
}

// The viewer does everything the releases that the selectors name do; a selector that names no
// release fails, as it always has.
bool HTMLHelp::HHVerifyMinConfig(int32_t helpSelector, int32_t browserSelector) {
    return helpSelector >= 16 && helpSelector <= 26 && browserSelector >= 256 && browserSelector <= 273;
}

// The viewer adds no "Jump to URL" item to any window's menu, so there is nothing to remove.
void HTMLHelp::HHDeleteJumpURLSysMenu(QWidget *) {}

// The viewer opens every help file by its path, so there is no registration to write.
void HTMLHelp::HHRegister(const QString &) {}

void HTMLHelp::HHUnRegister(const QString &path) {
    if (path.isEmpty() || !CheckChmFile(path))
        return;
    platform::dialogs::message("The file " + path + " is not registered.  " +
                                   "HHUnRegister will not be run as no action need be taken.",
                               "HTML Help Class", platform::dialogs::Icon::Information);
}

// Nothing is ever registered: the results stay empty; only the file's name is checked.
void HTMLHelp::HHCheckRegistry(const QString &path) {
    if (!path.isEmpty())
        CheckChmFile(path);
}

void HTMLHelp::HHInvokeWhatsThisHelp(QWidget *window) {
    if (!window)
        return;
    window->activateWindow();
    QWhatsThis::enterWhatsThisMode();
}

QString HTMLHelp::HHSetHelpFile(int16_t kind) {
    switch (kind) {
    case 1:
        return HelpPages::ContentsPage(platform::paths::helpDir(), modLocalisation::LanguageCode());
    case 2:
        return "Library.txt";
    default:
        return {};
    }
}
