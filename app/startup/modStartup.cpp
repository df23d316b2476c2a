#include "startup/modStartup.h"

#include "core/Globals.h"
#include "core/modDatabase.h"
#include "core/modInstance.h"
#include "core/modLocalisation.h"
#include "core/modPreferences.h"
#include "core/modRegistry.h"
#include "mainwindow/MainWindowServices.h"
#include "platform/Dialogs.h"
#include "platform/FailureCauses.h"
#include "platform/FirstStart.h"
#include "platform/LocalMessage.h"
#include "platform/Paths.h"
#include "platform/StartClaim.h"
#include "startup/frmSplash.h"
#include "transfer/modTransfer.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace modStartup {
namespace {

constexpr std::chrono::milliseconds kSplashMessagePause{300};
// How long a window system may take to put the splash on screen before start-up goes on anyway.
constexpr std::chrono::milliseconds kSplashMapPatience{2000};

long readSetting(const QString &valueName, const QString &type, const QVariant &defaultValue,
                 QVariant &value) {
    return modRegistry::ReadRegistryValue(platform::settings::kProgramRoot, modRegistry::kProgramKey,
                                          valueName, type, defaultValue, value);
}

int readLanguageOffset() {
    QVariant stored = false;
    const long status = readSetting("language", "D", false, stored);
    return modLocalisation::LanguageOffsetFor(status, stored.toInt());
}

bool readMarketFlag() {
    QVariant stored = false;
    const long status = readSetting("IsUnitedStates", "S", false, stored);
    return MarketFlagFor(status, stored.toString());
}

// The first start after installation runs the set-up wizard, once. The splash steps aside
// first: window managers keep a splash above other windows, where it would hide the wizard
// that start-up waits for.
void runWizardOnFirstStart(frmSplash &splash) {
    QVariant showPrefs = "No";
    if (readSetting("ShowPrefs", "S", "No", showPrefs) != modRegistry::kSuccess ||
        showPrefs.toString() != "Yes")
        return;
    modRegistry::WriteRegistryValue(platform::settings::kProgramRoot, modRegistry::kProgramKey, "ShowPrefs",
                                    "S", "No");
    splash.hide();
    mainwindow::RunSetupWizard();
}

// Each text stays on screen for its pause; the start-up's own work goes on behind it.
void showProgress(frmSplash &splash, int stringId, const StartupEnvironment &environment,
                  const std::function<void()> &work) {
    splash.ShowMessage(modLocalisation::LoadResString(stringId) + "...");
    environment.pause(kSplashMessagePause, work);
}

// Serves the window system (painting, mapping) but not the user's input until done() holds or
// the deadline passes. done() is asked after each turn of events rather than on a clock, so that
// start-up goes on as soon as it may.
void serveWindowSystemUntil(const std::function<bool()> &done, const QDeadlineTimer &giveUp) {
    QTimer wakeUp; // ends the wait for events at the deadline
    wakeUp.setTimerType(Qt::PreciseTimer);
    wakeUp.setSingleShot(true);
    while (!done() && !giveUp.hasExpired()) {
        if (!wakeUp.isActive())
            wakeUp.start(static_cast<int>(giveUp.remainingTime()));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    }
}

// A new window is mapped a few rounds of the window system after it is shown, and only a mapped
// window can be painted: so start-up waits for that before it goes on with its slow steps.
void showPainted(QWidget &window) {
    window.show();
    serveWindowSystemUntil([&window] { return window.testAttribute(Qt::WA_Mapped); },
                           QDeadlineTimer(kSplashMapPatience));
    window.repaint();
}

void openDatabase() {
    gConn.open(platform::paths::databasePath());
}

// The message of a database that start-up cannot use: what is wrong with the file, where it
// lies, and the engine's own text.
int startupFailureText(const std::exception &failure) {
    using platform::failures::Cause;
    switch (platform::failures::causeOf(failure).value_or(Cause::Other)) {
    case Cause::Damaged:
        return 1946;
    case Cause::ReadOnly:
        return 1947;
    case Cause::InUse:
        return 1948;
    case Cause::DiskFull:
        return 1949;
    case Cause::NotFound:
        return 1619;
    case Cause::Other:
        break;
    }
    return 1950;
}

void showStartupFailure(int textId, const QString &place, const QString &detail = {}) {
    QString text = modLocalisation::LoadResString(textId) + '\n' + QDir::toNativeSeparators(place);
    if (!detail.isEmpty())
        text += "\n\n" + detail;
    platform::dialogs::message(text, "Runvella", platform::dialogs::Icon::Critical,
                               platform::dialogs::Buttons::Ok);
}

// Another start owns the data folder but did not take the command line: something lies where its
// socket belongs, or it does not answer (it is stopped, or stuck before it listens).
void showOwnerUnreachable(platform::localmessage::Delivery delivery) {
    if (delivery == platform::localmessage::Delivery::NoPlace)
        showStartupFailure(1952, platform::localmessage::socketPath(modInstance::kSocketName));
    else
        showStartupFailure(1951, platform::paths::databasePath());
}

void setUpLanguage() {
    gLanguageOffset = readLanguageOffset();
    LoadToolkitTranslations(gLanguageOffset);
    modLocalisation::LocalizeDialogButtons();
    modLocalisation::LocalizeFailureCauses();
}

// The start that owns the data folder keeps it while its main window lives, the window's closing
// work on the database included.
void keepWhileMainWindowLives(platform::instance::Claim claim) {
    static std::unique_ptr<platform::instance::Claim> kept;
    kept = std::make_unique<platform::instance::Claim>(std::move(claim));
    QObject::connect(mainwindow::Window(), &QObject::destroyed, [] { kept.reset(); });
}

} // namespace

bool MarketFlagFor(long readStatus, const QString &storedText) {
    if (readStatus != modRegistry::kSuccess)
        return true;
    return storedText == QLatin1String("yes");
}

namespace {

// The language whose translations of Qt's own texts serve a language offset.
QLocale toolkitLocaleFor(int languageOffset) {
    switch (languageOffset) {
    case 1000:
        return QLocale(QLocale::French, QLocale::France);
    case 2000:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case 3000:
        return QLocale(QLocale::German, QLocale::Germany);
    case 4000:
        return QLocale(QLocale::Italian, QLocale::Italy);
    default:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    }
}

} // namespace

bool LoadToolkitTranslations(int languageOffset, const QString &folder) {
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    if (languageOffset == 0)
        return true;
    auto translator = std::make_unique<QTranslator>(QCoreApplication::instance());
    if (!translator->load(toolkitLocaleFor(languageOffset), "qtbase", "_", folder))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed = translator.release();
    return true;
}

void PaintingPause(std::chrono::milliseconds pause, const std::function<void()> &work) {
    const QDeadlineTimer over(pause, Qt::PreciseTimer);
    work();
    serveWindowSystemUntil([] { return false; }, over);
}

bool IsConnectedNotice(const QStringList &arguments) {
    return arguments.mid(1).contains("--eggconnected");
}

bool SendConnectedNotice(std::chrono::milliseconds patience) {
    return platform::instance::handOver(modInstance::kSocketName, modInstance::kConnectedMessage, patience) ==
           platform::localmessage::Delivery::Taken;
}

StartupOutcome Main(const StartupEnvironment &environment) {
    const QString commandLine = modInstance::CommandLine(environment.arguments);
    // Decided before anything touches the database or the automatic import folder: two starts
    // at once must not both import a waiting file. A folder that no start can claim is used
    // unguarded, as long as nobody takes the command line at once.
    auto [delivery, claim] = platform::instance::claimOrHandOver(
        modInstance::kSocketName, modInstance::CommandLineMessage(commandLine), environment.handOverPatience);
    if (delivery == platform::localmessage::Delivery::Taken)
        return StartupOutcome::HandedOver;
    if (claim.state() == platform::instance::Claim::State::HeldByOther) {
        setUpLanguage();
        showOwnerUnreachable(delivery);
        return StartupOutcome::Failed;
    }

    std::unique_ptr<frmSplash> splash;
    bool mainWindowOpen = false;
    try {
        platform::install::ensureDataFolder();
        setUpLanguage();
        gGraphSelectLive = true;
        // The program's title (string 1300) is its main window's; no application display name
        // is set, since Qt would append it to every window's title.
        gIsUnitedStates = readMarketFlag();

        splash = std::make_unique<frmSplash>();
        splash->Form_Load();
        showPainted(*splash);
        {
            // The main window listens from its load on; a second start or a plugged-in recorder is
            // answered once the window is on screen.
            const platform::localmessage::HeldBack othersWait;
            showProgress(*splash, 1565, environment, [] {
                openDatabase();
                modDatabase::UpgradeDatabaseSchema();
                modPreferences::LoadPreferences();
            });
            showProgress(*splash, 1566, environment, [&mainWindowOpen] {
                mainwindow::LoadMainWindow();
                mainWindowOpen = true;
            });
            keepWhileMainWindowLives(std::move(claim));
            mainwindow::ShowMainWindow();
        }
        runWizardOnFirstStart(*splash);
        QCoreApplication::processEvents();
        if (modInstance::CommandLineAsksForTransfer(commandLine))
            modTransfer::TransferFromDevice();
        splash.reset();
    } catch (const std::exception &failure) {
        // A database that is missing, locked, damaged or read-only, or preferences that cannot
        // be read: the program cannot work without them.
        if (mainWindowOpen)
            mainwindow::DeleteMainWindow();
        splash.reset();
        gConn.close();
        claim.release(); // a start waiting meanwhile tries for itself and says what it finds
        showStartupFailure(startupFailureText(failure), platform::paths::databasePath(),
                           QString::fromUtf8(failure.what()));
        return StartupOutcome::Failed;
    }
    return StartupOutcome::Running;
}

void DeleteMainWindow() {
    mainwindow::DeleteMainWindow();
}

} // namespace modStartup
