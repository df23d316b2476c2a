#include "core/DatabaseFixture.h"
#include "core/DeviceLibrary.h"
#include "core/HelpViewer.h"
#include "core/frmAbout.h"
#include "mainwindow/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>

namespace {

class frmMainHelpMenuTest : public DatabaseFixture {
protected:
    void TearDown() override {
        HelpViewer::closeAll();
        DeviceLibrary::restoreForTesting();
        DatabaseFixture::TearDown();
    }

    static void releaseKey(QWidget *receiver, int key, Qt::KeyboardModifiers modifiers) {
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QCoreApplication::sendEvent(receiver, &release);
    }

    frmMain window;
};

TEST_F(frmMainHelpMenuTest, ContentsOpenTheHelpAndClosingTheWindowClosesIt) {
    window.show();

    window.mnuHelpContents->trigger();

    ASSERT_NE(HelpViewer::window(), nullptr);
    EXPECT_TRUE(HelpViewer::window()->browser()->source().toLocalFile().endsWith("/help/index.html"));
    window.close();
    EXPECT_EQ(HelpViewer::window(), nullptr);
}

TEST_F(frmMainHelpMenuTest, F1ReleasedAnywhereInTheWindowOpensTheHelpWhateverIsHeld) {
    window.show();

    releaseKey(window.ListView1, Qt::Key_F2, Qt::NoModifier);
    EXPECT_EQ(HelpViewer::window(), nullptr);

    releaseKey(window.ListView1, Qt::Key_F1, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_NE(HelpViewer::window(), nullptr);
}

TEST_F(frmMainHelpMenuTest, AboutOpensTheAboutWindowModallyOverTheMainWindow) {
    DeviceLibrary::installForTesting(nullptr, "/nowhere/liblogger.so"); // no recorder, no library
    bool aboutShown = false;
    QWidget *owner = nullptr;
    // Closes whatever modal window comes up, so the test never waits for a user.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            closer.stop();
            aboutShown = qobject_cast<frmAbout *>(modal) != nullptr;
            owner = modal->parentWidget();
            modal->close();
        }
    });
    closer.start(0);

    window.mnuHelpAbout->trigger();

    EXPECT_TRUE(aboutShown);
    EXPECT_EQ(owner, &window);
}

} // namespace
