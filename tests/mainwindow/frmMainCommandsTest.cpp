#include "MainWindowFixture.h"
#include "analysis/frmPlotTrack.h"
#include "analysis/frmTabularData2.h"
#include "core/ImageControls.h"
#include "core/modLocalisation.h"
#include "core/modRegistry.h"

#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <sys/stat.h>

namespace {

using platform::dialogs::FileRequest;

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

class frmMainCommandsTest : public MainWindowFixture {
protected:
    void TearDown() override {
        gIsUnitedStates = true;
        platform::dialogs::setFileHandler({});
        MainWindowFixture::TearDown();
    }

    static void setAddress(const char *valueName, const char *address) {
        modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, valueName, "S", address);
    }

    // A press and a release of a mouse button on an image link.
    void pressAndRelease(QWidget *link, Qt::MouseButton button) {
        mouse(link, QEvent::MouseButtonPress, QPoint(5, 5), button, button);
        mouse(link, QEvent::MouseButtonRelease, QPoint(5, 5), button, Qt::NoButton);
    }

    OpenedAddresses browser;
};

TEST_F(frmMainCommandsTest, WebCommandsOpenTheirPagesInTheBrowser) {
    setAddress("EventRegistrationPage", "https://events.example.org/");
    load();

    pressAndRelease(window->resImage[0], Qt::LeftButton);
    pressAndRelease(window->resImage[2], Qt::LeftButton);
    pressAndRelease(window->ImgInternational, Qt::LeftButton);
    pressAndRelease(window->resImage[1], Qt::LeftButton);
    window->mnuProductPartners->trigger();
    gIsUnitedStates = false;
    window->mnuProductPartners->trigger();

    EXPECT_EQ(browser.addresses,
              (QStringList{"https://events.example.org/", "https://www.velko.com/", "https://www.velko.com/",
                           "https://www.trenlo.com/runvella/", "https://www.velko.com/datarecorder/links/",
                           "https://www.velko.com/international/datarecorder/links/"}));
    EXPECT_TRUE(dialogs.shown().empty());
}

// Each command that belongs to another window opens that window over the main window.
TEST_F(frmMainCommandsTest, EachCommandOpensItsWindow) {
    load();
    const auto visibleTabs = [](QWidget &options) {
        const QTabWidget *tabs = options.findChild<QTabWidget *>();
        int shown = 0;
        for (int tab = 0; tab < tabs->count(); ++tab)
            shown += tabs->isTabVisible(tab) ? 1 : 0;
        return shown;
    };
    const struct {
        const char *window;
        std::function<void()> command;
        int tabs; // of the preferences window; 0 for the others
    } cases[] = {
        {"AddWorkout", [&] { window->mnuAddActivity->trigger(); }, 0},
        {"AddWorkout", [&] { window->resImage_Click(3); }, 0},
        {"frmExport", [&] { window->mnuExport->trigger(); }, 0},
        {"frmTrenloSync", [&] { window->mnuUpload->trigger(); }, 0},
        {"frmOptions", [&] { window->mnuViewOptions->trigger(); }, 4},
        {"frmOptions", [&] { window->mnuTargets->trigger(); }, 1},
        {"frmMerge1", [&] { window->mnuMergeSessions->trigger(); }, 0},
        {"frmAbout", [&] { window->mnuHelpAbout->trigger(); }, 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.window);
        QString opened;
        int tabs = 0;
        NextModal closeIt([&](QWidget &modal) {
            opened = modal.objectName();
            if (c.tabs > 0)
                tabs = visibleTabs(modal);
            // Some windows leave only by their own button; the test ends them as they stand.
            if (auto *dialog = qobject_cast<QDialog *>(&modal))
                dialog->done(QDialog::Rejected);
            else
                modal.close();
        });
        c.command();
        EXPECT_EQ(opened, c.window);
        EXPECT_EQ(tabs, c.tabs);
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(frmMainCommandsTest, ALinkShowsItsPressedPictureWhileTheButtonIsDown) {
    load();
    ImageBox *link = window->resImage[4];

    mouse(link, QEvent::MouseButtonPress, QPoint(5, 5), Qt::RightButton, Qt::RightButton);
    EXPECT_EQ(link->pixmap().toImage(), ResourceBitmap(1629).toImage());
    mouse(link, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(link->pixmap().toImage(), ResourceBitmap(1609).toImage());

    mouse(window->resSummary, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton, Qt::LeftButton);
    EXPECT_EQ(window->resSummary->pixmap().toImage(), ResourceBitmap(1710).toImage());

    // A right click on the partner's link uploads: it opens the upload window, no page.
    NextModal closeUpload([](QWidget &modal) {
        EXPECT_EQ(modal.objectName(), "frmTrenloSync");
        modal.close();
    });
    pressAndRelease(window->resImage[1], Qt::RightButton);
    EXPECT_TRUE(closeUpload.answered());
    EXPECT_TRUE(browser.addresses.isEmpty());
    EXPECT_TRUE(dialogs.shown().empty()); // a right click on another link did nothing either
}

TEST_F(frmMainCommandsTest, ImportAsksForADataFileAndListsTheDayAgain) {
    load();
    QList<FileRequest> asked;
    QString answer;
    platform::dialogs::setFileHandler([&](const FileRequest &request) {
        asked << request;
        return answer;
    });

    window->mnuFileImport->trigger();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0].kind, platform::dialogs::FileDialogKind::Open);
    EXPECT_EQ(asked[0].caption, text(1404));
    EXPECT_EQ(asked[0].filter, "Runvella (*.csv);;All Files (*)");
    EXPECT_TRUE(asked[0].directory.endsWith("/data"));

    EXPECT_TRUE(dialogs.shown().empty()); // cancelling said nothing

    // A file that is no data file is refused, and the day is listed again all the same: an
    // activity that came in meanwhile shows.
    const SessionKey key = addActivity(0, 600, 0, "mi", "2026-03-11 08:00:00");
    answer = QDir(home.path()).filePath("notes.csv");
    QFile notes(answer);
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("a shopping list\n");
    notes.close();
    window->mnuFileImport->trigger();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, text(1623));
    ASSERT_EQ(window->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(window->ListView1->topLevelItem(0)->data(0, Qt::UserRole).toString(),
              "_" + QString::number(key));
}

TEST_F(frmMainCommandsTest, ImportOffersItsFileTypesInTheChosenLanguage) {
    load();
    QString filter;
    platform::dialogs::setFileHandler([&filter](const FileRequest &request) {
        filter = request.filter;
        return QString();
    });
    const QScopedValueRollback language(gLanguageOffset, 4000);
    window->mnuFileImport->trigger();
    EXPECT_EQ(filter, "Runvella (*.csv);;Tutti i file (*)");
}

TEST_F(frmMainCommandsTest, TheSummaryLinkTheNoteAndTheOriginalViewBringTheSummaryGraphBack) {
    load();
    const struct {
        const char *what;
        std::function<void()> click;
    } cases[] = {
        {"summary link", [&] { pressAndRelease(window->resSummary, Qt::LeftButton); }},
        {"note",
         [&] {
             mouse(window->lblNote, QEvent::MouseButtonRelease, QPoint(2, 2), Qt::LeftButton, Qt::NoButton);
         }},
        {"original view", [&] { pressAndRelease(window->resImage[6], Qt::LeftButton); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        gCurrentGraph = c.what == std::string("original view") ? "summary" : "session";
        for (QWidget *control : std::initializer_list<QWidget *>{window->resSummary, window->GraphLabel,
                                                                 window->resImage[6], window->lblNote})
            control->show();

        c.click();

        EXPECT_EQ(gCurrentGraph, "monthly");
        EXPECT_TRUE(window->GraphLabel->isHidden());
        EXPECT_TRUE(window->resImage[6]->isHidden());
        EXPECT_TRUE(window->lblNote->isHidden());
        if (c.what != std::string("original view")) {
            EXPECT_TRUE(window->resSummary->isHidden());
        }
    }
}

// Exit ends the program through the window's close, which compacts the database on its days.
TEST_F(frmMainCommandsTest, ExitCompactsTheDatabaseOnTheDaysOfCompaction) {
    // The compacted copy takes the database's place: a new file under the same name.
    const auto fileNumber = [] {
        struct stat file {};
        ::stat(QFile::encodeName(platform::paths::databasePath()).constData(), &file);
        return file.st_ino;
    };
    const struct {
        QDate today;
        bool compacted;
    } cases[] = {{{2026, 3, 14}, false}, {{2026, 3, 15}, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.today.day());
        QFile backup(platform::paths::backupDatabasePath());
        ASSERT_TRUE(backup.open(QIODevice::WriteOnly));
        backup.close();
        const auto before = fileNumber();
        platform::clock::setToday(c.today);
        frmMain closing;
        closing.Form_Load();
        closing.show();

        closing.mnuFileExit->trigger();

        EXPECT_FALSE(closing.isVisible());
        EXPECT_EQ(backup.exists(), !c.compacted);
        EXPECT_EQ(fileNumber() != before, c.compacted);
        EXPECT_TRUE(gConn.isOpen());
    }
    platform::clock::setToday(kToday);
}

// Both open modally on what the main window shows: the track plot on its current activity, the
// table viewer on its table of lines.
TEST_F(frmMainCommandsTest, TheTrackPlotAndTableLinksOpenTheAnalysisWindows) {
    load();
    const SessionKey key = addActivity(5, 60, 0.2);
    addSpeed(key, 20, 2);
    gCurrentSessionKey = key;
    int statisticsRows = 0;
    NextModal plot([&](QWidget &modal) {
        auto &track = dynamic_cast<frmPlotTrack &>(modal);
        statisticsRows = track.lstStats->rowCount();
        track.cmdOK->click();
    });
    pressAndRelease(window->resImagePlot, Qt::LeftButton);
    EXPECT_TRUE(plot.answered());
    EXPECT_EQ(statisticsRows, 2); // start and end
    EXPECT_EQ(gPlotSessionKey, key);

    gGraphTable = {"Day\tDistance", "1\t2.5", "2\t3"};
    int tableRows = 0;
    NextModal table([&](QWidget &modal) {
        auto &viewer = dynamic_cast<frmTabularData2 &>(modal);
        EXPECT_EQ(viewer.parentWidget(), window.get());
        tableRows = viewer.lstTabData->rowCount();
        viewer.Command1->click();
    });
    pressAndRelease(window->resImage[5], Qt::LeftButton);
    EXPECT_TRUE(table.answered());
    EXPECT_EQ(tableRows, 2);
    EXPECT_TRUE(dialogs.shown().empty());
}

} // namespace
