#include "platform/ReportedFailures.h"
#include "common/ScriptedDialogs.h"

#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <stdexcept>

using platform::failures::runReported;

namespace {

// An object whose every event handler fails.
class FailingReceiver : public QObject {
protected:
    bool event(QEvent *) override { throw std::runtime_error("database is locked"); }
};

QStringList shownTexts(const testing::ScriptedDialogs &dialogs) {
    QStringList texts;
    for (const auto &request : dialogs.shown())
        texts << request.text;
    return texts;
}

TEST(ReportedFailuresTest, AFailureThatEscapesEveryHandlerIsReportedByTheEventLoop) {
    testing::ScriptedDialogs dialogs;
    FailingReceiver receiver;

    QEvent sent(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &sent));
    QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    QCoreApplication::processEvents();

    EXPECT_EQ(shownTexts(dialogs), (QStringList{"database is locked", "database is locked"}));
    EXPECT_EQ(dialogs.shown()[0].title, "Runvella");
    EXPECT_EQ(dialogs.shown()[0].icon, platform::dialogs::Icon::Critical);
}

TEST(ReportedFailuresTest, HandlersRunningForOneEventShowOneMessageBetweenThem) {
    testing::ScriptedDialogs dialogs;
    bool wentOn = false;

    const bool completed = runReported([&] {
        runReported([] { throw std::runtime_error("first"); });
        runReported([] { throw 42; });
        wentOn = true;
        throw std::runtime_error("third");
    });

    EXPECT_FALSE(completed);
    EXPECT_TRUE(wentOn);
    EXPECT_EQ(shownTexts(dialogs), QStringList{"first"});
    EXPECT_TRUE(runReported([] {}));
    runReported([] { throw 42; });
    EXPECT_EQ(shownTexts(dialogs), (QStringList{"first", "An unknown failure occurred."}));
}

TEST(ReportedFailuresTest, EventsOfAModalWindowsOwnLoopReportTheirOwnFailures) {
    testing::ScriptedDialogs dialogs;

    runReported([] {
        QEventLoop modal;
        QTimer::singleShot(0, [] { runReported([] { throw std::runtime_error("first click"); }); });
        QTimer::singleShot(0, [] { runReported([] { throw std::runtime_error("second click"); }); });
        QTimer::singleShot(0, &modal, &QEventLoop::quit);
        modal.exec();
        throw std::runtime_error("after the window");
    });

    EXPECT_EQ(shownTexts(dialogs), (QStringList{"first click", "second click", "after the window"}));
}

} // namespace
