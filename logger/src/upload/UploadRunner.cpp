#include "upload/UploadRunner.h"

#include "Messages.h"
#include "upload/SleepWatcher.h"
#include "upload/UploadDialog.h"
#include "upload/UploadProgress.h"

#include <QCoreApplication>
#include <QThread>

#include <memory>
#include <thread>
#include <utility>

namespace logger {
namespace {

UploadRunner &replacedRunner() {
    static UploadRunner runner;
    return runner;
}

bool onApplicationThread() {
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

UploadRunner setUploadRunner(UploadRunner runner) {
    return std::exchange(replacedRunner(), std::move(runner));
}

void runUploadProgress(UploadProgress &progress) {
    if (replacedRunner())
        replacedRunner()(progress);
    else if (windowsAvailable())
        runUploadDialog(progress);
    else
        runUploadWithoutWindow(progress);
}

void runUploadWithoutWindow(UploadProgress &progress) {
    // The suspend notice arrives as an event, so it is heard only where events are processed.
    std::unique_ptr<SleepWatcher> sleep;
    if (onApplicationThread()) {
        sleep = std::make_unique<SleepWatcher>();
        QObject::connect(sleep.get(), &SleepWatcher::suspending, [&progress] { progress.suspend(); });
    }
    while (!progress.over()) {
        std::this_thread::sleep_for(UploadDialog::kTickPeriod);
        if (sleep)
            QCoreApplication::processEvents();
        if (!progress.over())
            progress.tick();
    }
}

} // namespace logger
