#include "core/modInstance.h"

namespace modInstance {
namespace {

const QString kCommandLinePrefix = QStringLiteral("commandline ");

} // namespace

QString CommandLine(const QStringList &arguments) {
    return arguments.mid(1).join(' ');
}

bool CommandLineAsksForTransfer(const QString &commandLine) {
    return commandLine.contains(QLatin1String("startdownloadingnow"), Qt::CaseSensitive);
}

QString CommandLineMessage(const QString &commandLine) {
    return kCommandLinePrefix + commandLine;
}

bool IsCommandLineMessage(const QString &message) {
    return message.startsWith(kCommandLinePrefix);
}

QString CommandLineOf(const QString &message) {
    return message.mid(kCommandLinePrefix.size());
}

} // namespace modInstance
