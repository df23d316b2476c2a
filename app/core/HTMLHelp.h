#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QWidget>

#include <cstdint>
#include <optional>

class HelpWindow;
namespace HelpPages {
struct HelpPage;
}

// Access to the program's help. A help file is the contents page of an HTML folder ("help" beside
// the program for the program's own help); every display member shows a page of that folder in the
// program's help viewer, one viewer window per display target.
// Installation members answer for that built-in viewer: installed, unregistered, at the program's version.
class HTMLHelp {
public:
    // Name of a viewer window: when not blank, the display target is CHMFile + ">" + HHWindow.
    QString HHWindow;
    QString HHTopicURL; // a page inside the help folder, with an optional "#anchor"
    int32_t HHTopicID = 0;
    // The message and the default page of a keyword or associative link lookup that finds nothing.
    QString HHMsgTitle;
    QString HHMsgText;
    QString HHKeyword;
    QString HHDefaultURL;
    QString HHALink;
    // Path of the help file; the name its callers know it by.
    QString CHMFile;
    // True: the window passed to a display member owns the help window; false: it is ignored.
    bool HHShowOnTop = false;

    QString HHPopupFile; // popup text file in the help folder
    int32_t HHPopupID = 0;
    QString HHPopupText;
    // 1 a topic of HHPopupFile, 2 a text of the string table, 4 HHPopupText; any other shows nothing.
    int32_t HHPopupType = 0;
    // An invalid colour keeps the viewer's own.
    QColor HHPopupTextColor;
    QColor HHPopupBackColor;
    QColor HHPopupCustomTextColor;
    QColor HHPopupCustomBackColor;
    bool HHPopupCustomColors = false; // chooses the custom pair
    QString HHPopupTextFont;          // empty: "Arial"
    QString HHPopupTextSize;          // points as text; empty: "10"
    bool HHPopupTextBold = false;
    bool HHPopupTextItalic = false;
    bool HHPopupTextUnderline = false;

    QString HHRegFileName() const { return {}; }
    QString HHRegFilePath() const { return {}; }
    bool HHRegFileExists() const { return false; }
    bool HHInstalled() const { return true; }
    QString HHVersion() const;
    QString IEVersion() const;
    QString HHFriendlyName() const;
    QString IEFriendlyName() const;
    // The viewer window of the last display call; none, with a notice, when it showed nothing or
    // that window has been closed since.
    QWidget *HHWndHandle();

    void HHDeleteJumpURLSysMenu(QWidget *window);
    void HHDisplayTopicURL(QWidget *window);
    void HHDisplayTopicID(QWidget *window);
    void HHDisplaySearch(QWidget *window);
    void HHDisplayKeyword(QWidget *window);
    void HHDisplayIndex(QWidget *window);
    void HHDisplayContents(QWidget *window);
    void HHDisplayALink(QWidget *window);
    void HHRegister(const QString &path);
    void HHUnRegister(const QString &path);
    void HHCheckRegistry(const QString &path);
    // Closes every help window the program opened, whichever instance opened it.
    void HHClose();
    // Shows the popup that HHPopupType chooses at the mouse position, owned by the window.
    void HHDisplayPopup(QWidget *window);
    // Puts the program in What's This mode: the next click on a control shows its help text.
    void HHInvokeWhatsThisHelp(QWidget *window);
    bool HHVerifyMinConfig(int32_t helpSelector, int32_t browserSelector);
    // True when the file is there, with a warning otherwise. A bare file name becomes its path in
    // the program's help folder.
    bool EnsureFileExists(QString &path);
    // 1: the program's help file, in the chosen language when it has a translation; 2: the name of
    // its popup text file; other kinds: empty.
    QString HHSetHelpFile(int16_t kind);

private:
    // What a display call puts in the viewer: a page, a made-up page, or nothing.
    struct Content {
        QUrl page;
        QString html;

        static Content pageAt(const QString &path) { return {QUrl::fromLocalFile(path), {}}; }
        bool isEmpty() const { return page.isEmpty() && html.isEmpty(); }
    };

    bool CheckChmFile(const QString &path) const;
    bool CheckPopupFile(const QString &path) const;
    // The help file's path when it is an HTML page that exists; otherwise warns.
    std::optional<QString> checkedHelpFile();
    QString target(const QString &helpFile) const;
    Content topic(const QString &helpFile, const QString &topicPath) const;
    // The one page found, a list of several, or the default page; the lookup's message for none.
    Content lookupResult(const QString &helpFile, const QList<HelpPages::HelpPage> &found) const;
    // Shows the content in the target's window, which becomes HHWndHandle; none for no content.
    HelpWindow *show(QWidget *window, const QString &helpFile, const Content &content);
    void resetPopupStyle();

    QPointer<QWidget> wndHandle_;
    bool hasWndHandle_ = false;
};

// Opens the help contents (F1, Help > Contents) through a fresh instance in gHelp.
void ShowHelpContents();
