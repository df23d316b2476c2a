#include "common/ScriptedDialogs.h"
#include "core/HTMLHelp.h"
#include "core/HelpViewer.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

#include <functional>

namespace {

using platform::dialogs::Icon;

// Each test gets a small help folder of its own.
class HTMLHelpMembersTest : public ::testing::Test {
protected:
    void SetUp() override {
        write("index.html", "<html><head><title>Contents</title></head><body>Contents</body></html>");
        write("zones.html",
              "<html><head><title>Zones</title><meta name=\"keywords\" content=\"zones, heart rate\">"
              "<meta name=\"alinks\" content=\"ZoneSettings\">"
              "<meta name=\"context-ids\" content=\"1002\"></head>"
              "<body><p>Five zones from your maximum pulse.</p><a name=\"five\">Five</a></body></html>");
        write("graphs.html",
              "<html><head><title>Graphs</title><meta name=\"keywords\" content=\"graphs, zones\">"
              "</head><body>Weekly graphs.</body></html>");
        write("topics/pace.html", "<html><head><title>Pace</title></head><body>Pace.</body></html>");
        write("popups.txt", ".topic 7\nSeven lines\n.topic 8\nEight\n");
        help.CHMFile = folder.filePath("index.html");
    }
    void TearDown() override { HTMLHelp().HHClose(); }

    void write(const QString &name, const QByteArray &text) {
        QDir(folder.path()).mkpath(QFileInfo(name).path());
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    HelpWindow *shownWindow() { return dynamic_cast<HelpWindow *>(help.HHWndHandle()); }
    // The file name of the page the viewer shows, with its anchor.
    static QString shownPage(HelpWindow *viewer) {
        const QUrl source = viewer->browser()->source();
        return QFileInfo(source.toLocalFile()).fileName() +
               (source.hasFragment() ? "#" + source.fragment() : "");
    }

    QTemporaryDir folder;
    testing::ScriptedDialogs dialogs;
    HTMLHelp help;
    QWidget owner;
};

TEST_F(HTMLHelpMembersTest, TheTargetNamesTheWindowAndShowOnTopGivesItTheCallersWindowAsOwner) {
    const struct {
        const char *window;
        bool showOnTop;
        const char *targetEnd;
    } cases[] = {
        {"", false, "index.html"},
        {"   ", true, "index.html"},
        {"main", false, "index.html>main"},
        {"main", true, "index.html>main"}, // the window of that target changes its owner
    };
    QSet<QWidget *> windows;
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.window) + (c.showOnTop ? " on top" : ""));
        help.HHWindow = c.window;
        help.HHShowOnTop = c.showOnTop;
        help.HHDisplayContents(&owner);

        HelpWindow *viewer = shownWindow();
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->target(), folder.filePath(c.targetEnd));
        EXPECT_EQ(viewer->parentWidget(), c.showOnTop ? &owner : nullptr);
        EXPECT_TRUE(viewer->isWindow() && viewer->isVisible());
        windows.insert(viewer);
    }
    EXPECT_EQ(windows.size(), 2);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(HTMLHelpMembersTest, EachDisplayShowsItsPageOfTheHelpFolder) {
    using Display = void (HTMLHelp::*)(QWidget *);
    const struct {
        const char *name;
        std::function<void(HTMLHelp &)> setUp;
        Display display;
        const char *file; // the page shown; empty for a page the viewer makes, which only its title names
        const char *title;
    } cases[] = {
        {"contents", [](HTMLHelp &) {}, &HTMLHelp::HHDisplayContents, "index.html", "Contents"},
        {"topic", [](HTMLHelp &h) { h.HHTopicURL = "zones.html#five"; }, &HTMLHelp::HHDisplayTopicURL,
         "zones.html#five", "Zones"},
        {"topic in a folder", [](HTMLHelp &h) { h.HHTopicURL = "/topics/pace.html"; },
         &HTMLHelp::HHDisplayTopicURL, "pace.html", "Pace"},
        {"missing topic", [](HTMLHelp &h) { h.HHTopicURL = "missing.html"; }, &HTMLHelp::HHDisplayTopicURL,
         "", "missing.html"},
        {"context number", [](HTMLHelp &h) { h.HHTopicID = 1002; }, &HTMLHelp::HHDisplayTopicID, "zones.html",
         "Zones"},
        {"unmapped context number", [](HTMLHelp &h) { h.HHTopicID = 5; }, &HTMLHelp::HHDisplayTopicID, "",
         "Context number 5"},
        {"index", [](HTMLHelp &) {}, &HTMLHelp::HHDisplayIndex, "", "Index"},
        {"keyword of one page", [](HTMLHelp &h) { h.HHKeyword = "Heart Rate"; }, &HTMLHelp::HHDisplayKeyword,
         "zones.html", "Zones"},
        {"keyword of two pages", [](HTMLHelp &h) { h.HHKeyword = "zones"; }, &HTMLHelp::HHDisplayKeyword, "",
         "Topics Found"},
        {"keyword not found, default page",
         [](HTMLHelp &h) {
             h.HHKeyword = "pace";
             h.HHDefaultURL = "graphs.html";
         },
         &HTMLHelp::HHDisplayKeyword, "graphs.html", "Graphs"},
        {"associative link", [](HTMLHelp &h) { h.HHALink = "nothing;zonesettings"; },
         &HTMLHelp::HHDisplayALink, "zones.html", "Zones"},
        {"associative link not found, default page",
         [](HTMLHelp &h) {
             h.HHALink = "nothing";
             h.HHDefaultURL = "topics/pace.html";
         },
         &HTMLHelp::HHDisplayALink, "pace.html", "Pace"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        HTMLHelp display;
        display.CHMFile = help.CHMFile;
        c.setUp(display);
        (display.*c.display)(nullptr);

        auto *viewer = dynamic_cast<HelpWindow *>(display.HHWndHandle());
        ASSERT_NE(viewer, nullptr);
        if (*c.file) {
            EXPECT_EQ(shownPage(viewer), c.file);
        }
        EXPECT_EQ(viewer->browser()->documentTitle(), c.title);
        display.HHClose();
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(HTMLHelpMembersTest, ALookupThatFindsNothingShowsItsMessage) {
    help.HHMsgTitle = "Runvella Help";
    help.HHMsgText = "No topic for that.";
    help.HHKeyword = "pace";
    help.HHDisplayKeyword(nullptr);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Runvella Help");
    EXPECT_EQ(dialogs.shown()[0].text, "No topic for that.");
    ASSERT_NE(shownWindow(), nullptr) << "the keyword display opened the help file first";
    EXPECT_EQ(shownPage(shownWindow()), "index.html");
    help.HHClose();

    help.HHALink = "pace";
    help.HHDisplayALink(nullptr);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].text, "No topic for that.");
    EXPECT_EQ(HelpViewer::window(), nullptr);

    help.HHMsgText.clear(); // no message to show: nothing at all happens
    help.HHDisplayALink(nullptr);
    EXPECT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(HelpViewer::window(), nullptr);
}

TEST_F(HTMLHelpMembersTest, TheSearchListsThePagesThatHoldTheWordsEntered) {
    help.HHDisplaySearch(nullptr);
    HelpWindow *viewer = shownWindow();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(shownPage(shownWindow()), "index.html");
    ASSERT_TRUE(viewer->searchField()->isVisible());

    viewer->searchField()->setText("maximum PULSE");
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(viewer->searchField(), &enter);

    EXPECT_EQ(viewer->browser()->documentTitle(), "Search");
    EXPECT_TRUE(viewer->browser()->toPlainText().contains("Zones"));
    EXPECT_FALSE(viewer->browser()->toPlainText().contains("Graphs"));
}

TEST_F(HTMLHelpMembersTest, TheWindowHandleIsTheLastDisplaysWindowWhileItIsOpen) {
    EXPECT_EQ(help.HHWndHandle(), nullptr);
    help.HHDisplayContents(nullptr);
    QWidget *viewer = help.HHWndHandle();
    ASSERT_NE(viewer, nullptr);
    viewer->close();
    EXPECT_EQ(help.HHWndHandle(), nullptr);
    EXPECT_EQ(help.HHWndHandle(), nullptr);

    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[0].text, "No HTML Help window handle to retrieve.");
    EXPECT_EQ(dialogs.shown()[1].text, "The last HTML Help window opened has been closed.");
    EXPECT_EQ(dialogs.shown()[2].text, "No HTML Help window handle to retrieve.");
    for (const auto &shown : dialogs.shown()) {
        EXPECT_EQ(shown.title, "HTML Help Class");
        EXPECT_EQ(shown.icon, Icon::Information);
    }
}

TEST_F(HTMLHelpMembersTest, CloseClosesEveryViewerAndThePopupOfTheProgram) {
    help.HHDisplayContents(nullptr);
    const QPointer<QWidget> first = help.HHWndHandle();
    HTMLHelp other;
    other.CHMFile = help.CHMFile;
    other.HHWindow = "second";
    other.HHDisplayIndex(nullptr);
    const QPointer<QWidget> second = other.HHWndHandle();
    other.HHPopupType = 4;
    other.HHPopupText = "A popup";
    other.HHDisplayPopup(&owner);
    ASSERT_TRUE(first && second && first != second && HelpViewer::popup());

    HTMLHelp().HHClose();

    EXPECT_TRUE(!first || !first->isVisible());
    EXPECT_TRUE(!second || !second->isVisible());
    EXPECT_EQ(HelpViewer::window(), nullptr);
    EXPECT_TRUE(!HelpViewer::popup() || !HelpViewer::popup()->isVisible());
}

TEST_F(HTMLHelpMembersTest, PopupsOfTypes1To4ShowTheirTextAtTheMouseOwnedByTheWindow) {
    const struct {
        int type;
        const char *file;
        const char *text;
        const char *shown; // nullptr: no popup, and the style stays as it was
    } cases[] = {
        {1, "popups.txt", "", "Seven lines"},   {2, "", "", "&Contents"}, // string 1313 as it stands
        {4, "", "Own text", "Own text"},        {4, "", "", nullptr},
        {0, "popups.txt", "Own text", nullptr}, {3, "popups.txt", "Own text", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.type);
        HTMLHelp popup;
        popup.CHMFile = help.CHMFile;
        popup.HHPopupType = c.type;
        popup.HHPopupFile = c.file;
        popup.HHPopupID = c.type == 2 ? 1313 : 7;
        popup.HHPopupText = c.text;
        popup.HHPopupTextColor = Qt::blue;
        popup.HHPopupCustomTextColor = Qt::red;
        popup.HHPopupCustomBackColor = Qt::yellow;
        popup.HHPopupCustomColors = true;
        popup.HHPopupTextFont = "Courier";
        popup.HHPopupTextSize = "12";
        popup.HHPopupTextBold = true;
        popup.HHDisplayPopup(&owner);

        QLabel *label = HelpViewer::popup();
        if (!c.shown) {
            EXPECT_TRUE(!label || !label->isVisible());
            EXPECT_TRUE(popup.HHPopupTextBold);
            EXPECT_EQ(popup.HHPopupTextColor, QColor(Qt::blue));
            continue;
        }
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), c.shown);
        EXPECT_EQ(label->parentWidget(), &owner);
        // At the mouse, give or take the few pixels by which a platform may nudge a new window.
        EXPECT_TRUE(QRect(QCursor::pos(), QSize(5, 5)).contains(label->pos()));
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::red));
        EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::yellow));
        EXPECT_EQ(label->font().family(), "Courier");
        EXPECT_EQ(label->font().pointSize(), 12);
        EXPECT_TRUE(label->font().bold());
        // A shown popup leaves the next one the viewer's colours and the plain font.
        EXPECT_FALSE(popup.HHPopupTextBold);
        EXPECT_FALSE(popup.HHPopupTextColor.isValid());
        EXPECT_FALSE(popup.HHPopupCustomTextColor.isValid());
        EXPECT_EQ(popup.HHPopupTextFont, "Arial");
        EXPECT_EQ(popup.HHPopupTextSize, "10");
        label->close();
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(HTMLHelpMembersTest, APopupFileThatIsNoTextFileIsRefused) {
    help.HHPopupType = 1;
    help.HHPopupFile = "popups.doc";
    help.HHDisplayPopup(&owner);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              "The file specified as the text popup source, 'popups.doc', is not a valid popup file.");
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Warning);
    EXPECT_TRUE(!HelpViewer::popup() || !HelpViewer::popup()->isVisible());
}

TEST_F(HTMLHelpMembersTest, HelpFilesByKindAndTheirExistence) {
    EXPECT_EQ(help.HHSetHelpFile(1), platform::paths::helpDir() + "/index.html");
    EXPECT_EQ(help.HHSetHelpFile(2), "Library.txt");
    EXPECT_EQ(help.HHSetHelpFile(0), "");
    EXPECT_EQ(help.HHSetHelpFile(3), "");

    QString present = folder.filePath("zones.html");
    EXPECT_TRUE(help.EnsureFileExists(present));
    EXPECT_EQ(present, folder.filePath("zones.html"));
    QString bare = "index.html"; // a bare name is looked for in the program's help folder
    EXPECT_TRUE(help.EnsureFileExists(bare));
    EXPECT_EQ(bare, platform::paths::helpDir() + "/index.html");
    EXPECT_TRUE(dialogs.shown().empty());

    QString missing = "missing.html";
    EXPECT_FALSE(help.EnsureFileExists(missing));
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "The file " + platform::paths::helpDir() +
                                           "/missing.html does not exist.\nPlease make sure the correct path "
                                           "and file name have been specified.");
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Warning);
}

} // namespace
