#include "core/HTMLHelp.h"

#include "core/Globals.h"
#include "core/HelpPages.h"
#include "core/HelpViewer.h"
#include "core/modLocalisation.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using platform::dialogs::Icon;

namespace {

constexpr int kDefaultPopupPoints = 10;
constexpr int kTopicsFound = 1913;
constexpr int kContextNumber = 1916;

void classMessage(const QString &text, Icon icon) {
    platform::dialogs::message(text, "HTML Help Class", icon);
}

QString helpFolder(const QString &helpFile) {
    return QFileInfo(helpFile).absolutePath();
}

} // namespace

QWidget *HTMLHelp::HHWndHandle() {
    if (!hasWndHandle_) {
        classMessage("No HTML Help window handle to retrieve.", Icon::Information);
        return nullptr;
    }
    if (!wndHandle_ || !wndHandle_->isVisible()) {
        classMessage("The last HTML Help window opened has been closed.", Icon::Information);
        hasWndHandle_ = false;
        return nullptr;
    }
    return wndHandle_;
}

void HTMLHelp::HHDisplayTopicURL(QWidget *window) {
    if (const auto file = checkedHelpFile())
        show(window, *file, topic(*file, HHTopicURL));
}

void HTMLHelp::HHDisplayTopicID(QWidget *window) {
    const auto file = checkedHelpFile();
    if (!file)
        return;
    const auto page = HelpPages::PageWithContextId(HelpPages::ReadHelpPages(helpFolder(*file)), HHTopicID);
    show(window, *file,
         page ? Content::pageAt(page->path)
              : Content{{},
                        HelpPages::TopicListHtml(
                            modLocalisation::LoadResString(kContextNumber).arg(HHTopicID), {})});
}

void HTMLHelp::HHDisplaySearch(QWidget *window) {
    if (const auto file = checkedHelpFile())
        show(window, *file, Content::pageAt(*file))->showSearch(helpFolder(*file));
}

// Opens the help file at its contents first, so that a lookup that finds nothing leaves it open.
void HTMLHelp::HHDisplayKeyword(QWidget *window) {
    const auto file = checkedHelpFile();
    if (!file)
        return;
    show(window, *file, Content::pageAt(*file));
    const auto found = HelpPages::PagesWithKeyword(HelpPages::ReadHelpPages(helpFolder(*file)), HHKeyword);
    if (const Content result = lookupResult(*file, found); !result.isEmpty())
        show(window, *file, result);
}

void HTMLHelp::HHDisplayIndex(QWidget *window) {
    if (const auto file = checkedHelpFile())
        show(window, *file, {{}, HelpPages::IndexHtml(HelpPages::ReadHelpPages(helpFolder(*file)))});
}

void HTMLHelp::HHDisplayContents(QWidget *window) {
    if (const auto file = checkedHelpFile())
        show(window, *file, Content::pageAt(*file));
}

void HTMLHelp::HHDisplayALink(QWidget *window) {
    if (const auto file = checkedHelpFile())
        show(window, *file,
             lookupResult(*file,
                          HelpPages::PagesWithALink(HelpPages::ReadHelpPages(helpFolder(*file)), HHALink)));
}

void HTMLHelp::HHClose() {
    HelpViewer::closeAll();
}

void HTMLHelp::HHDisplayPopup(QWidget *window) {
    std::optional<QString> text;
    switch (HHPopupType) {
    case 1: {
        const auto file = checkedHelpFile();
        if (!file || !CheckPopupFile(HHPopupFile))
            return;
        QFile popups(QDir(helpFolder(*file)).filePath(HHPopupFile));
        if (popups.open(QIODevice::ReadOnly))
            text = HelpPages::PopupText(QString::fromUtf8(popups.readAll()), HHPopupID);
        break;
    }
    case 2: // the id as it stands: a popup names the text of one language
        text = modLocalisation::FindString(HHPopupID);
        break;
    case 4:
        if (HHPopupText.isEmpty())
            return;
        text = HHPopupText;
        break;
    default:
        return;
    }
    if (text) {
        const int points = HHPopupTextSize.toInt();
        QFont font(HHPopupTextFont.isEmpty() ? "Arial" : HHPopupTextFont,
                   points > 0 ? points : kDefaultPopupPoints);
        font.setBold(HHPopupTextBold);
        font.setItalic(HHPopupTextItalic);
        font.setUnderline(HHPopupTextUnderline);
        HelpViewer::showPopup(*text,
                              {HHPopupCustomColors ? HHPopupCustomTextColor : HHPopupTextColor,
                               HHPopupCustomColors ? HHPopupCustomBackColor : HHPopupBackColor, font},
                              window);
    }
    resetPopupStyle();
}

bool HTMLHelp::EnsureFileExists(QString &path) {
    if (!path.contains('/'))
        path = platform::paths::helpDir() + '/' + path;
    if (QFileInfo(path).isFile())
        return true;
    classMessage("The file " + path +
                     " does not exist.\nPlease make sure the correct path and file name have been specified.",
                 Icon::Warning);
    return false;
}

bool HTMLHelp::CheckChmFile(const QString &path) const {
    if (path.endsWith("html", Qt::CaseInsensitive) || path.endsWith("htm", Qt::CaseInsensitive))
        return true;
    classMessage(path + " is not a valid HTML Help file.", Icon::Warning);
    return false;
}

bool HTMLHelp::CheckPopupFile(const QString &path) const {
    if (path.endsWith("txt", Qt::CaseInsensitive))
        return true;
    classMessage("The file specified as the text popup source, '" + path + "', is not a valid popup file.",
                 Icon::Warning);
    return false;
}

std::optional<QString> HTMLHelp::checkedHelpFile() {
    QString path = CHMFile;
    if (!CheckChmFile(path) || !EnsureFileExists(path))
        return std::nullopt;
    return path;
}

QString HTMLHelp::target(const QString &helpFile) const {
    return HHWindow.trimmed().isEmpty() ? helpFile : helpFile + '>' + HHWindow;
}

HTMLHelp::Content HTMLHelp::topic(const QString &helpFile, const QString &topicPath) const {
    if (topicPath.isEmpty())
        return Content::pageAt(helpFile);
    QString relative = topicPath.section('#', 0, 0);
    while (relative.startsWith('/'))
        relative.remove(0, 1);
    const QString path = QDir(helpFolder(helpFile)).filePath(relative);
    if (!QFileInfo::exists(path))
        return {{}, HelpPages::TopicListHtml(topicPath, {})};
    QUrl page = QUrl::fromLocalFile(path);
    page.setFragment(topicPath.section('#', 1), QUrl::DecodedMode);
    return {page, {}};
}

HTMLHelp::Content HTMLHelp::lookupResult(const QString &helpFile,
                                         const QList<HelpPages::HelpPage> &found) const {
    if (found.size() == 1)
        return Content::pageAt(found.front().path);
    if (found.size() > 1)
        return {{}, HelpPages::TopicListHtml(modLocalisation::LoadResString(kTopicsFound), found)};
    if (!HHDefaultURL.isEmpty())
        return topic(helpFile, HHDefaultURL);
    if (!HHMsgText.isEmpty())
        platform::dialogs::message(HHMsgText, HHMsgTitle, Icon::Information);
    return {};
}

HelpWindow *HTMLHelp::show(QWidget *window, const QString &helpFile, const Content &content) {
    HelpWindow *viewer = nullptr;
    if (!content.isEmpty()) {
        viewer = HelpViewer::open(target(helpFile), HHShowOnTop ? window : nullptr);
        if (content.page.isEmpty())
            viewer->showHtml(content.html);
        else
            viewer->showPage(content.page);
    }
    wndHandle_ = viewer;
    hasWndHandle_ = viewer != nullptr;
    return viewer;
}

void HTMLHelp::resetPopupStyle() {
    HHPopupTextColor = HHPopupBackColor = HHPopupCustomTextColor = HHPopupCustomBackColor = QColor();
    HHPopupTextFont = "Arial";
    HHPopupTextSize = "10";
    HHPopupTextBold = HHPopupTextItalic = HHPopupTextUnderline = false;
}

void ShowHelpContents() {
    delete gHelp;
    gHelp = new HTMLHelp;
    gHelp->CHMFile = gHelp->HHSetHelpFile(1);
    gHelp->HHDisplayContents(nullptr);
}
