#pragma once

#include <QApplication>
#include <QString>

#include <functional>

// No failure of an event handler ends the program: the handler's work stops, the user is told
// why in a message box, and the program goes on.
namespace platform::failures {

// Shows the failure's text in a critical message box titled with the program's name.
void report(const QString &text);

// Runs an event handler's body and reports the failure that stops it, as describe() says it.
// Everything that runs for one event (a list that the handler refills raising its own change
// handler, say) shows at most one message between them; a modal window's own loop handles new
// events. True when the body ran to its end.
bool runReported(const std::function<void()> &body);

} // namespace platform::failures

// The application whose event loop reports a failure that escaped every handler instead of
// letting it end the program.
class GuardedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override;
};
