#include "common/ScriptedDialogs.h"
#include "core/Globals.h"
#include "core/HTMLHelp.h"
#include "core/HelpViewer.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

using platform::dialogs::Icon;

class HelpTest : public ::testing::Test {
protected:
    void TearDown() override { HTMLHelp().HHClose(); }

    testing::ScriptedDialogs dialogs;
};

TEST_F(HelpTest, AMissingHelpFileIsReportedAndNothingIsShown) {
    QTemporaryDir folder;
    HTMLHelp help;
    help.CHMFile = folder.path() + "/help/index.html";

    help.HHDisplayContents(nullptr);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              "The file " + help.CHMFile +
                  " does not exist.\nPlease make sure the correct path and file name "
                  "have been specified.");
    EXPECT_EQ(dialogs.shown()[0].title, "HTML Help Class");
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Warning);
    EXPECT_EQ(HelpViewer::window(), nullptr);
}

TEST_F(HelpTest, TheWindowItsPromptAndItsContentsSpeakTheChosenLanguage) {
    const struct {
        int offset;
        const char *title;
        const char *prompt;
        const char *page;
    } cases[] = {
        {0, "Runvella Help", "Search", "index.html"},
        {1000, "Aide de Runvella", "Rechercher", "fr/index.html"},
        {2000, "Ayuda de Runvella", "Buscar", "es/index.html"},
        {3000, "Runvella-Hilfe", "Suchen", "de/index.html"},
        {4000, "Guida di Runvella", "Cerca", "it/index.html"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.offset);
        const QScopedValueRollback language(gLanguageOffset, c.offset);
        ShowHelpContents();
        HelpWindow *viewer = HelpViewer::window();
        ASSERT_NE(viewer, nullptr);
        EXPECT_EQ(viewer->browser()->source().toLocalFile(),
                  QCoreApplication::applicationDirPath() + "/help/" + c.page);
        EXPECT_EQ(viewer->browser()->documentTitle(), c.title);
        gHelp->HHDisplaySearch(nullptr);
        EXPECT_EQ(viewer->windowTitle(), c.title);
        EXPECT_EQ(viewer->searchField()->placeholderText(), c.prompt);
        HTMLHelp().HHClose();
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(HelpTest, AFileThatIsNoHtmlPageIsRefusedBeforeLookingForIt) {
    HTMLHelp help;
    help.CHMFile = "/nowhere/runvellahelp.chm";

    help.HHDisplayContents(nullptr);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "/nowhere/runvellahelp.chm is not a valid HTML Help file.");
    EXPECT_EQ(HelpViewer::window(), nullptr);
}

TEST_F(HelpTest, ContentsOpenFromTheFolderBesideTheProgramAndAnyInstanceClosesThem) {
    ShowHelpContents();
    ShowHelpContents(); // a second request shows the same window again

    HelpWindow *viewer = HelpViewer::window();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->browser()->source().toLocalFile(),
              QCoreApplication::applicationDirPath() + "/help/index.html");
    EXPECT_EQ(viewer->windowTitle(), "Runvella Help");
    ASSERT_NE(gHelp, nullptr);
    EXPECT_EQ(gHelp->CHMFile, QCoreApplication::applicationDirPath() + "/help/index.html");

    HTMLHelp mainWindowsHelp;
    mainWindowsHelp.HHClose();
    EXPECT_EQ(HelpViewer::window(), nullptr);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(HelpTest, TheHelpWindowFitsTheScreenAndEscapeClosesIt) {
    ShowHelpContents();
    HelpWindow *viewer = HelpViewer::window();
    ASSERT_NE(viewer, nullptr);
    const QRect free = viewer->screen()->availableGeometry();
    EXPECT_TRUE(free.contains(viewer->frameGeometry()))
        << "frame " << viewer->frameGeometry().x() << "," << viewer->frameGeometry().y() << " "
        << viewer->frameGeometry().width() << "x" << viewer->frameGeometry().height() << " on "
        << free.width() << "x" << free.height();

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(viewer->browser(), &escape); // where the focus is
    EXPECT_EQ(HelpViewer::window(), nullptr);
}

} // namespace
