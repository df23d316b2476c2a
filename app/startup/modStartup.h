#pragma once

#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>

#include <chrono>
#include <functional>

// The start of the program: language, splash, database, preferences, main window, first-run
// wizard and the transfer that the command line may ask for.
namespace modStartup {

enum class StartupOutcome {
    Running,    // the main window is up; the event loop takes over
    HandedOver, // another start owns the data folder and has the command line now
    Failed,     // the database could not be used; the message has been shown
};

// How long a later start, or a recorder's notice, waits for the one that owns the data folder to
// take its text. A start listens before anything that waits for the athlete and answers while it
// imports, so only a start that is stuck needs this long.
inline constexpr std::chrono::milliseconds kHandOverPatience{60000};

struct StartupEnvironment {
    QStringList arguments; // as the program was started, its own name first
    // Holds a splash text on screen for at least the given time while `work` runs behind it;
    // tests pass one that runs the work without waiting.
    std::function<void(std::chrono::milliseconds, const std::function<void()> &work)> pause;
    std::chrono::milliseconds handOverPatience = kHandOverPatience; // tests wait less for a stopped one
};

StartupOutcome Main(const StartupEnvironment &environment);

// The main window that Main left running, deleted after the event loop has ended.
void DeleteMainWindow();

// The splash's pause: runs the work, then serves the window system, so the splash stays painted,
// but not the user's input, until the pause is over. A failing work ends the pause at once.
void PaintingPause(std::chrono::milliseconds pause, const std::function<void()> &work);

// "Runvella --eggconnected" only tells the running program that a recorder was plugged in.
bool IsConnectedNotice(const QStringList &arguments);
// Waits for a program that is still starting; false when none runs, since only a running program
// can transfer, or when the running one did not take the notice within the patience. Makes no
// file or folder: udev may run it as another user, with another home.
bool SendConnectedNotice(std::chrono::milliseconds patience = kHandOverPatience);

// The market flag that a stored "IsUnitedStates" text selects.
bool MarketFlagFor(long readStatus, const QString &storedText);

// Lets Qt's own dialogs and buttons (file and print dialogs) speak the language of the offset,
// from Qt's translation files in the folder; replaces the translations of an earlier call.
// False when the folder has none for the language: Qt then speaks English.
bool LoadToolkitTranslations(int languageOffset,
                             const QString &folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

} // namespace modStartup
