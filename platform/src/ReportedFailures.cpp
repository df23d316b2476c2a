#include "platform/ReportedFailures.h"

#include "platform/Dialogs.h"
#include "platform/FailureCauses.h"

#include <QScopeGuard>
#include <QThread>

#include <exception>
#include <vector>

namespace platform::failures {
namespace {

// One entry per event being handled, innermost last.
struct HandledEvent {
    int loopLevel;
    bool reported;
};

std::vector<HandledEvent> &handledEvents() {
    thread_local std::vector<HandledEvent> events;
    return events;
}

void reportOnce(const QString &text) {
    HandledEvent &event = handledEvents().back();
    if (event.reported)
        return;
    event.reported = true;
    report(text);
}

} // namespace

void report(const QString &text) {
    dialogs::message(text, "Runvella", dialogs::Icon::Critical);
}

bool runReported(const std::function<void()> &body) {
    auto &events = handledEvents();
    const int loopLevel = QThread::currentThread()->loopLevel();
    const bool newEvent = events.empty() || events.back().loopLevel != loopLevel;
    if (newEvent)
        events.push_back({loopLevel, false});
    const auto endOfEvent = qScopeGuard([newEvent, &events] {
        if (newEvent)
            events.pop_back();
    });
    try {
        body();
        return true;
    } catch (const std::exception &error) {
        reportOnce(describe(error));
    } catch (...) {
        reportOnce(QStringLiteral("An unknown failure occurred."));
    }
    return false;
}

} // namespace platform::failures

bool GuardedApplication::notify(QObject *receiver, QEvent *event) {
    bool handled = false;
    platform::failures::runReported([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
