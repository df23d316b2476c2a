#include "WaitingDataFile.h"
#include "common/DatabaseFaults.h"
#include "common/Eventually.h"
#include "common/OtherThread.h"
#include "common/RealMessageBox.h"
#include "common/ScriptedDialogs.h"
#include "common/TestHome.h"
#include "core/Globals.h"
#include "core/ImageControls.h"
#include "core/LocaleScope.h"
#include "core/modInstance.h"
#include "core/modLocalisation.h"
#include "core/modRegistry.h"
#include "mainwindow/MonthView.h"
#include "mainwindow/frmMain.h"
#include "platform/Clock.h"
#include "platform/FirstStart.h"
#include "platform/LocalMessage.h"
#include "platform/Paths.h"
#include "platform/StartClaim.h"
#include "preferences/frmWizard1.h"
#include "startup/frmSplash.h"
#include "startup/modStartup.h"
#include "transfer/ModalResponder.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

using modStartup::Main;
using modStartup::StartupEnvironment;
using modStartup::StartupOutcome;
using platform::instance::Claim;
using platform::localmessage::Delivery;

namespace {

// Starts after the first one: the first-run wizard has had its turn (FirstStartTest shows it).
class StartupTest : public ::testing::Test {
protected:
    void SetUp() override { setSetting("ShowPrefs", "S", "No"); }

    void TearDown() override {
        delete gMainForm;
        gConn.close();
        gLanguageOffset = 0;
        platform::dialogs::setButtonTexts({});
    }

    StartupOutcome start(const QStringList &arguments = {"Runvella"}) {
        return Main({arguments, [this](std::chrono::milliseconds pause, const std::function<void()> &work) {
                         pauses.push_back(pause);
                         work();
                     }});
    }

    static void setSetting(const QString &name, const QString &type, const QVariant &value) {
        ASSERT_EQ(modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, name, type, value),
                  modRegistry::kSuccess);
    }

    static QString setting(const QString &name) {
        QVariant value;
        modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, name, "S", "", value);
        return value.toString();
    }

    static bool anyMainWindowShown() {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<frmMain *>(window) && window->isVisible())
                return true;
        return false;
    }

    testing::TestHome home;
    std::vector<std::chrono::milliseconds> pauses;
};

// A fresh installation, whose first start shows the first-run wizard over the main window.
class FirstStartTest : public StartupTest {
protected:
    void SetUp() override {}

    // Answers the wizard's first page with weeks starting on Sunday and its Next, and its last
    // page by OK, noting what was on screen while the first page was.
    void answerTheWizard() {
        windows.then([this](QDialog &page) {
            wizardOwner = page.parentWidget();
            for (QWidget *window : QApplication::topLevelWidgets())
                if (qobject_cast<frmSplash *>(window) && window->isVisible())
                    splashOverTheWizard = true;
            auto &wizard = static_cast<frmWizard1 &>(page);
            wizard.WeekStarts[1]->click();
            wizard.Command2->click();
        });
        windows.thenClick("Command2");
    }

    testing::ModalResponder windows;
    QWidget *wizardOwner = nullptr;
    bool splashOverTheWizard = false;
};

TEST_F(FirstStartTest, ShowsTheMainWindowAndRunsTheWizardOnce) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    answerTheWizard();
    EXPECT_EQ(start(), StartupOutcome::Running);
    ASSERT_NE(gMainForm, nullptr);
    EXPECT_TRUE(gMainForm->isVisible());
    EXPECT_TRUE(gMainForm->Hooked);
    EXPECT_TRUE(gConn.isOpen());
    EXPECT_EQ(pauses, (std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(300),
                                                              std::chrono::milliseconds(300)}));
    EXPECT_EQ(windows.shown(), (QStringList{"frmWizard1", "frmWizard3"}));
    EXPECT_EQ(wizardOwner, gMainForm);
    EXPECT_FALSE(splashOverTheWizard);
    EXPECT_EQ(gMainForm->MonthView1->firstDayOfWeek(), Qt::Sunday);
    // The graph of this month's weeks is drawn again with weeks starting on Sunday.
    const QDate today = platform::clock::today();
    const QDate firstDay(today.year(), today.month(), 1);
    const QDate firstSunday = firstDay.addDays(-(firstDay.dayOfWeek() % 7));
    EXPECT_TRUE(
        gGraphTable.value(1).startsWith(QString("%1/%2\t").arg(firstSunday.month()).arg(firstSunday.day())))
        << gGraphTable.value(1).toStdString();
    EXPECT_EQ(setting("ShowPrefs"), "No");
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<frmSplash *>(window), nullptr);
}

// Puts a splash's window on screen a few rounds of the event loop later than asked, as an X
// server with its window manager does, and counts what gets painted.
class LateScreen : public QObject {
public:
    LateScreen() { qApp->installEventFilter(this); }
    ~LateScreen() override { qApp->removeEventFilter(this); }

    int splashPaints = 0;
    int messagePaints = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            if (qobject_cast<frmSplash *>(watched))
                ++splashPaints;
            if (watched->objectName() == "lblMessage")
                ++messagePaints;
        }
        if (event->type() == QEvent::Expose && roundsLeft_ > 0 && isSplashWindow(watched)) {
            --roundsLeft_;
            // Posted again, it arrives at the next round at the earliest.
            auto *window = static_cast<QWindow *>(watched);
            QCoreApplication::postEvent(window, new QExposeEvent(QRect(QPoint(), window->size())));
            return true;
        }
        return false;
    }

private:
    static bool isSplashWindow(QObject *watched) {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<frmSplash *>(window) && window->windowHandle() == watched)
                return true;
        return false;
    }

    int roundsLeft_ = 3;
};

TEST_F(StartupTest, TheSplashIsPaintedBeforeEachWaitEvenWhenTheScreenShowsItLate) {
    LateScreen screen;
    std::vector<std::pair<int, int>> paintedAtPause;
    ASSERT_EQ(Main({{"Runvella"},
                    [&](std::chrono::milliseconds, const std::function<void()> &work) {
                        paintedAtPause.emplace_back(screen.splashPaints, screen.messagePaints);
                        work();
                    }}),
              StartupOutcome::Running);
    ASSERT_EQ(paintedAtPause.size(), 2u);
    EXPECT_GT(paintedAtPause[0].first, 0) << "the splash was never painted before its first wait";
    EXPECT_GT(paintedAtPause[0].second, 0);
    EXPECT_GT(paintedAtPause[1].second, paintedAtPause[0].second) << "the second text was never painted";
}

// The texts' pauses are not idle time: the database opens behind the first, the main window
// is made behind the second and shown only when that text's time is over.
TEST_F(StartupTest, StartingWorkGoesOnBehindTheSplashTexts) {
    struct Moment {
        bool databaseOpen;
        bool mainWindowMade;
        bool operator==(const Moment &) const = default;
    };
    const auto now = [] { return Moment{gConn.isOpen(), gMainForm != nullptr}; };
    std::vector<std::pair<Moment, Moment>> aroundWork; // before and after each pause's work
    bool shownBeforeThePauseEnded = false;
    ASSERT_EQ(Main({{"Runvella"},
                    [&](std::chrono::milliseconds, const std::function<void()> &work) {
                        const Moment before = now();
                        work();
                        aroundWork.emplace_back(before, now());
                        shownBeforeThePauseEnded = shownBeforeThePauseEnded || anyMainWindowShown();
                    }}),
              StartupOutcome::Running);
    ASSERT_EQ(aroundWork.size(), 2u);
    EXPECT_EQ(aroundWork[0], std::make_pair(Moment{false, false}, Moment{true, false}));
    EXPECT_EQ(aroundWork[1], std::make_pair(Moment{true, false}, Moment{true, true}));
    EXPECT_FALSE(shownBeforeThePauseEnded);
    EXPECT_TRUE(gMainForm->isVisible());
}

// A second start while the splash's texts stand is answered once the main window is up: its
// hand-over does not bring the half-made window on screen early.
TEST_F(StartupTest, ASecondStartDuringTheSplashWaitsForTheMainWindow) {
    int pauseCount = 0;
    bool shownEarly = false;
    std::future<Delivery> sent;
    ASSERT_EQ(Main({{"Runvella"},
                    [&](std::chrono::milliseconds, const std::function<void()> &work) {
                        const bool last = ++pauseCount == 2;
                        modStartup::PaintingPause(std::chrono::milliseconds(150), [&] {
                            work();
                            if (last) {
                                sent = testing::startOnAnotherThread([] {
                                    return platform::localmessage::send(
                                        modInstance::kSocketName, modInstance::CommandLineMessage("Runvella"),
                                        modStartup::kHandOverPatience);
                                });
                            }
                        });
                        shownEarly = shownEarly || anyMainWindowShown();
                    }}),
              StartupOutcome::Running);
    EXPECT_EQ(testing::waitServing(sent), Delivery::Taken);
    EXPECT_FALSE(shownEarly);
    EXPECT_TRUE(gMainForm->isVisible());
}

TEST_F(StartupTest, ClosingTheSplashWhileStartingEndsNothing) {
    const auto closeSplash = [](std::chrono::milliseconds, const std::function<void()> &work) {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (qobject_cast<frmSplash *>(window))
                window->close();
        work();
    };
    EXPECT_EQ(Main({{"Runvella"}, closeSplash}), StartupOutcome::Running);
    EXPECT_TRUE(gMainForm->isVisible());
}

TEST_F(FirstStartTest, TheWizardRunsOnlyForAnExactYes) {
    platform::install::ensureDataFolder();
    setSetting("ShowPrefs", "S", "yes");
    ASSERT_EQ(start(), StartupOutcome::Running);
    EXPECT_TRUE(windows.shown().isEmpty());
    EXPECT_EQ(setting("ShowPrefs"), "yes");
}

TEST_F(StartupTest, LanguageAndMarketComeFromTheSettings) {
    setSetting("language", "D", 2000);
    setSetting("IsUnitedStates", "S", "Yes");
    ASSERT_EQ(start(), StartupOutcome::Running);
    EXPECT_EQ(gLanguageOffset, 2000);
    EXPECT_FALSE(gIsUnitedStates);
    // Numbers on the graph follow the user's system, as every number of the program does.
    EXPECT_EQ(gMainForm->TChart3->chart()->locale().name(), QLocale().name());
    EXPECT_TRUE(gMainForm->TChart3->chart()->localizeNumbers());
    EXPECT_TRUE(gMainForm->resImage[0]->isHidden());
    EXPECT_EQ(testing::showRealMessageBox(platform::dialogs::Buttons::YesNo).captions,
              (QStringList{QString::fromUtf8("&Sí"), "&No"}));
}

TEST_F(StartupTest, UnofferedLanguageGivesEnglish) {
    setSetting("language", "D", 5000);
    ASSERT_EQ(start(), StartupOutcome::Running);
    EXPECT_EQ(gLanguageOffset, 0);
    EXPECT_TRUE(gIsUnitedStates);
}

TEST_F(StartupTest, SecondStartHandsItsCommandLineOver) {
    ASSERT_EQ(start(), StartupOutcome::Running);
    frmMain *running = gMainForm;
    // It asks for no transfer, which the running start would begin as soon as it takes the text.
    EXPECT_EQ(testing::fromAnotherThread([this] {
                  return start({"Runvella", "-quiet"});
              }),
              StartupOutcome::HandedOver);
    EXPECT_EQ(gMainForm, running);
}

// A start at the moment the running one closes, between taking its connection and reading it,
// is not handed over to a program that is ending: it waits for the folder and runs itself.
TEST_F(StartupTest, AStartDuringTheRunningOnesCloseRunsItself) {
    ASSERT_EQ(start(), StartupOutcome::Running);
    auto *server = gMainForm->findChild<QLocalServer *>();
    ASSERT_NE(server, nullptr);
    QObject::connect(server, &QLocalServer::newConnection, gMainForm, [] { gMainForm->close(); });
    auto second = testing::startOnAnotherThread([] {
        return platform::instance::claimOrHandOver(
            modInstance::kSocketName, modInstance::CommandLineMessage(""), modStartup::kHandOverPatience);
    });
    // Its last events: the close, and reading the text that came.
    ASSERT_TRUE(testing::eventually([server] {
        QCoreApplication::processEvents();
        return !gMainForm->isVisible() && server->findChildren<QLocalSocket *>().isEmpty();
    }));
    delete gMainForm; // as the program does once its event loop has ended
    auto handOver = testing::waitServing(second);
    EXPECT_NE(handOver.delivery, Delivery::Taken);
    ASSERT_EQ(handOver.claim.state(), Claim::State::Held);

    handOver.claim.release();
    ASSERT_EQ(start(), StartupOutcome::Running);
    int mainWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        mainWindows += qobject_cast<frmMain *>(window) ? 1 : 0;
    EXPECT_EQ(mainWindows, 1);
}

// A running start that cannot take a later one's command line is named, with what the athlete
// needs to find it: a stopped one with its database, a socket's place taken with that place.
TEST_F(StartupTest, ARunningStartThatCannotBeReachedIsNamed) {
    platform::install::ensureDataFolder();
    const Claim running = Claim::take();
    ASSERT_EQ(running.state(), Claim::State::Held);
    const QString socketPath = platform::localmessage::socketPath(modInstance::kSocketName);
    platform::localmessage::Listener stopped([](const QString &) {});
    const struct {
        const char *owner;
        std::function<void()> make;
        std::function<void()> undo;
        std::chrono::milliseconds patience;
        int sentence;
        QString place;
    } cases[] = {
        {"stopped after it listened", [&] { ASSERT_TRUE(stopped.listen(modInstance::kSocketName)); },
         [&] { stopped.close(); }, std::chrono::milliseconds(300), 1951, platform::paths::databasePath()},
        {"with a folder in its socket's place", [&] { ASSERT_TRUE(QDir().mkpath(socketPath)); },
         [&] { QDir().rmdir(socketPath); }, modStartup::kHandOverPatience, 1952, socketPath},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.owner);
        c.make();
        testing::ScriptedDialogs dialogs;
        StartupEnvironment environment{{"Runvella"},
                                       [](std::chrono::milliseconds, const std::function<void()> &) {
                                           ADD_FAILURE() << "the start went on";
                                       }};
        environment.handOverPatience = c.patience;
        EXPECT_EQ(Main(environment), StartupOutcome::Failed);
        c.undo();
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown().front().text,
                  modLocalisation::LoadResString(c.sentence) + '\n' + QDir::toNativeSeparators(c.place));
        EXPECT_EQ(dialogs.shown().front().icon, platform::dialogs::Icon::Critical);
        EXPECT_FALSE(anyMainWindowShown());
    }
}

// "Runvella --eggconnected" as the recorder is plugged in while Runvella starts: the notice waits
// until the starting program takes it. With no program running it ends at once, whether a data
// folder is there or not, and makes nothing (udev may run it in another user's home); a program
// that has stopped does not take it.
TEST_F(StartupTest, TheRecordersNoticeWaitsForAStartingProgram) {
    EXPECT_FALSE(modStartup::SendConnectedNotice());
    EXPECT_FALSE(QFileInfo::exists(platform::paths::dataDir()));
    ASSERT_TRUE(platform::install::ensureDataFolder());
    {
        auto alone = testing::startOnAnotherThread(
            [] { return modStartup::SendConnectedNotice(std::chrono::hours(24)); });
        const bool endedAtOnce = testing::eventually(
            [&alone] { return alone.wait_for(std::chrono::seconds(0)) == std::future_status::ready; });
        // Takes a notice that waits after all.
        platform::localmessage::Listener late([](const QString &) {});
        ASSERT_TRUE(late.listen(modInstance::kSocketName));
        EXPECT_FALSE(testing::waitServing(alone));
        EXPECT_TRUE(endedAtOnce);
    }
    const Claim starting = Claim::take();
    ASSERT_EQ(starting.state(), Claim::State::Held);
    // Not ready for the notice yet, the starting program hangs up on it; then it listens.
    QLocalServer notReady;
    ASSERT_TRUE(notReady.listen(platform::localmessage::socketPath(modInstance::kSocketName)));
    auto notice = testing::startOnAnotherThread([] { return modStartup::SendConnectedNotice(); });
    ASSERT_TRUE(notReady.waitForNewConnection(testing::kOtherProgramPatienceMs));
    notReady.nextPendingConnection()->abort();
    notReady.close();
    QStringList received;
    platform::localmessage::Listener ready([&](const QString &text) { received << text; });
    ASSERT_TRUE(ready.listen(modInstance::kSocketName));
    EXPECT_TRUE(testing::waitServing(notice));
    EXPECT_EQ(received, QStringList{modInstance::kConnectedMessage});
    EXPECT_FALSE(modStartup::SendConnectedNotice(std::chrono::milliseconds(300)))
        << "this thread serves no one";
}

// The running start owns the data folder while its main window lives: a later start finds it
// taken, and no start after the window has gone does.
TEST_F(StartupTest, TheRunningStartHoldsTheDataFolderWhileItsWindowLives) {
    ASSERT_EQ(start(), StartupOutcome::Running);
    EXPECT_EQ(Claim::take().state(), Claim::State::HeldByOther);
    delete gMainForm;
    EXPECT_EQ(Claim::take().state(), Claim::State::Held);
}

// A start while the first is still busy with a waiting file (its message on screen) hands over:
// one main window, and the file imported once and gone.
TEST_F(StartupTest, AStartDuringTheFirstsAutomaticImportHandsOver) {
    platform::install::ensureDataFolder();
    ASSERT_TRUE(startuptest::putWaitingDataFile());
    std::optional<StartupOutcome> second;
    platform::dialogs::setMessageHandler([&](const platform::dialogs::MessageRequest &) {
        if (!second)
            second = testing::fromAnotherThread([this] { return start(); });
        return platform::dialogs::Answer::Ok;
    });
    ASSERT_EQ(start(), StartupOutcome::Running);
    EXPECT_EQ(second, StartupOutcome::HandedOver);
    int mainWindows = 0;
    for (QWidget *window : QApplication::topLevelWidgets())
        mainWindows += qobject_cast<frmMain *>(window) ? 1 : 0;
    EXPECT_EQ(mainWindows, 1);
    auto activities = gConn.prepare("select count(*) from sessions");
    ASSERT_TRUE(activities.step());
    EXPECT_EQ(activities.columnInt64(0), 1);
    EXPECT_EQ(QDir(platform::paths::autoImportDir()).entryList(QDir::Files), QStringList());
}

TEST_F(FirstStartTest, AnInterruptedFirstStartIsCompletedByTheNext) {
    // Stopped after the data folder was made, before its database was.
    ASSERT_TRUE(QDir().mkpath(platform::paths::databaseDir()));
    windows.thenClick("Command1");
    ASSERT_EQ(start(), StartupOutcome::Running);
    EXPECT_TRUE(gMainForm->isVisible());
    EXPECT_TRUE(QFile::exists(platform::paths::databasePath()));
    EXPECT_EQ(windows.shown(), QStringList{"frmWizard1"});
    EXPECT_EQ(setting("ShowPrefs"), "No");
}

// Each fault of the database file is named, with the file's place: the athlete knows what to
// mend. The program then ends without its main window.
TEST_F(StartupTest, ADatabaseThatCannotBeUsedEndsWithItsFaultAndItsPlace) {
    const auto replaceDatabase = [](const QByteArray &bytes) {
        platform::install::ensureDataFolder();
        QFile file(platform::paths::databasePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    std::unique_ptr<testing::OtherProgramsLock> otherProgram;
    const struct {
        const char *fault;
        std::function<void()> make;
        int sentence;
    } cases[] = {
        {"cannot be made",
         [] {
             ASSERT_TRUE(QDir().mkpath(platform::paths::dataDir()));
             QFile blocking(platform::paths::databaseDir()); // a file where the database folder belongs
             ASSERT_TRUE(blocking.open(QIODevice::WriteOnly));
         },
         1950},
        {"read-only",
         [] {
             platform::install::ensureDataFolder();
             QFile::setPermissions(platform::paths::databasePath(), QFile::ReadOwner | QFile::ReadUser);
         },
         1947},
        {"not a database", [&] { replaceDatabase(QByteArray(4096, 'x')); }, 1946},
        {"truncated",
         [&] {
             platform::install::ensureDataFolder();
             QFile file(platform::paths::databasePath());
             ASSERT_TRUE(file.open(QIODevice::ReadOnly));
             replaceDatabase(file.readAll().left(8192));
         },
         1946},
        {"in use",
         [&] {
             platform::install::ensureDataFolder();
             otherProgram = std::make_unique<testing::OtherProgramsLock>(
                 platform::paths::databasePath(), testing::OtherProgramsLock::Holds::Everything);
         },
         1948},
        {"without preferences",
         [] {
             platform::install::ensureDataFolder();
             gConn.open(platform::paths::databasePath());
             gConn.executeScript("delete from preferences");
             gConn.close();
         },
         1950},
    };
    std::vector<platform::dialogs::MessageRequest> messages;
    std::vector<Claim::State> claimWhileShown;
    platform::dialogs::setMessageHandler([&](const platform::dialogs::MessageRequest &request) {
        messages.push_back(request);
        claimWhileShown.push_back(Claim::take().state());
        return platform::dialogs::Answer::Ok;
    });
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fault);
        testing::TestHome freshHome;
        setSetting("ShowPrefs", "S", "No");
        c.make();
        messages.clear();
        claimWhileShown.clear();
        EXPECT_EQ(start(), StartupOutcome::Failed);
        otherProgram.reset();
        ASSERT_EQ(messages.size(), 1u);
        // The athlete may take a while to read it; a start meanwhile tries for itself.
        EXPECT_EQ(claimWhileShown.front(), Claim::State::Held)
            << "a waiting start could not try for itself meanwhile";
        const auto &shown = messages.front();
        const QString expected = modLocalisation::LoadResString(c.sentence) + '\n' +
                                 QDir::toNativeSeparators(platform::paths::databasePath()) + "\n\n";
        EXPECT_TRUE(shown.text.startsWith(expected)) << shown.text.toStdString();
        EXPECT_GT(shown.text.size(), expected.size()) << "the engine's own text is missing";
        EXPECT_EQ(shown.title, "Runvella");
        EXPECT_EQ(shown.icon, platform::dialogs::Icon::Critical);
        EXPECT_EQ(gMainForm, nullptr);
        EXPECT_FALSE(anyMainWindowShown());
        EXPECT_FALSE(gConn.isOpen());
        EXPECT_EQ(Claim::take().state(), Claim::State::Held)
            << "a start that failed still holds the data folder";
    }
}

// An empty file is what an interrupted copy leaves: it holds nothing, so a new database takes
// its place as on a first start.
TEST_F(StartupTest, AnEmptyDatabaseFileIsMadeAgain) {
    ASSERT_TRUE(QDir().mkpath(platform::paths::databaseDir()));
    QFile empty(platform::paths::databasePath());
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    ASSERT_EQ(start(), StartupOutcome::Running);
    EXPECT_TRUE(gMainForm->isVisible());
    EXPECT_FALSE(gConn.tableColumns("preferences").isEmpty());
}

// A text stays its whole time when the work behind it is quick; a slow work is not followed by
// a further wait; a failing one ends the pause at once.
TEST(PaintingPauseTest, TheTextStaysItsTimeWhateverTheWorkTakes) {
    using std::chrono::milliseconds;
    QElapsedTimer clock;
    clock.start();
    modStartup::PaintingPause(milliseconds(100), [] { QThread::msleep(20); });
    EXPECT_GE(clock.elapsed(), 100);

    QObject receiver;
    bool served = false;
    QTimer::singleShot(0, &receiver, [&served] { served = true; });
    modStartup::PaintingPause(milliseconds(20), [] { QThread::msleep(40); });
    EXPECT_FALSE(served) << "the pause waited after a work that outlasted it";

    clock.restart();
    EXPECT_THROW(
        modStartup::PaintingPause(milliseconds(60000), [] { throw std::runtime_error("no database"); }),
        std::runtime_error);
    EXPECT_LT(clock.elapsed(), 30000);
}

TEST(SplashTest, ShowsTheProgramsVersionAfterItsCaption) {
    frmSplash splash;
    splash.Form_Load();
    EXPECT_TRUE(
        splash.Label2->text().startsWith(modLocalisation::FindString(1476).value_or("Application Version")));
    EXPECT_TRUE(
        QRegularExpression(" [1-9]?\\d\\.[1-9]?\\d\\.[1-9]?\\d+$").match(splash.Label2->text()).hasMatch());
    EXPECT_FALSE(splash.Image1->pixmap().isNull());
}

} // namespace
