#include "platform/ReportedFailures.h"
#include "startup/modStartup.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    const QStringList arguments = [&] {
        QStringList all;
        for (int index = 0; index < argc; ++index)
            all << QString::fromLocal8Bit(argv[index]);
        return all;
    }();
    if (modStartup::IsConnectedNotice(arguments)) {
        // Sent without a display, from wherever the recorder was noticed.
        QCoreApplication app(argc, argv);
        return modStartup::SendConnectedNotice() ? 0 : 1;
    }

    GuardedApplication app(argc, argv);
    QApplication::setApplicationName("Runvella");
    const auto outcome = modStartup::Main({arguments, modStartup::PaintingPause});
    switch (outcome) {
    case modStartup::StartupOutcome::HandedOver:
        return 0;
    case modStartup::StartupOutcome::Failed:
        return 1;
    case modStartup::StartupOutcome::Running:
        break;
    }
    const int exitCode = QApplication::exec();
    modStartup::DeleteMainWindow();
    return exitCode;
}
