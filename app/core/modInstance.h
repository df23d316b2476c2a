#pragma once

#include <QString>
#include <QStringList>

// What one start of the program tells the one already running, over the local socket that the
// main window listens on.
namespace modInstance {

inline constexpr const char *kSocketName = "runvella-eggconnected";

// Sent by "Runvella --eggconnected" (for instance from a udev rule) when a recorder was plugged in.
inline constexpr const char *kConnectedMessage = "eggconnected";

// The command line as the program reads it: its arguments after the program's name, joined by blanks.
QString CommandLine(const QStringList &arguments);

// True when the command line holds "startdownloadingnow" anywhere, as written (case counts).
bool CommandLineAsksForTransfer(const QString &commandLine);

// The message that hands a command line to the running program, and back.
QString CommandLineMessage(const QString &commandLine);
bool IsCommandLineMessage(const QString &message);
QString CommandLineOf(const QString &message);

} // namespace modInstance
