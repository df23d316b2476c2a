#include "mainwindow/frmMain.h"

#include "common/Eventually.h"
#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "platform/StartClaim.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QProcess>
#include <QTimer>

#include <algorithm>

namespace {

using testing::eventually;
using testing::kOtherProgramPatienceMs;

// Two programs of one user: one that listens and "Runvella --eggconnected" started beside it.
class TwoProgramsTest : public DatabaseFixture {
protected:
    void SetUp() override {
        if (!QFileInfo::exists(program))
            GTEST_SKIP() << "the program is not built beside the tests";
        DatabaseFixture::SetUp();
        // Started as after their first start, without the first-run wizard.
        ASSERT_TRUE(
            platform::settings::writeEntry(platform::settings::rootFile(platform::settings::kProgramRoot),
                                           platform::settings::kProgramKey, "ShowPrefs", "No"));
        environment.insert("RUNVELLA_HOME", home.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    }

    bool sendConnectedNotice() {
        QProcess sender;
        sender.setProcessEnvironment(environment);
        sender.start(program, {"--eggconnected"});
        return sender.waitForFinished(kOtherProgramPatienceMs) && sender.exitCode() == 0;
    }

    const QString program = QCoreApplication::applicationDirPath() + "/Runvella";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
};

// The running program is a process of its own.
class ConnectedRecorderTest : public TwoProgramsTest {
protected:
    void SetUp() override {
        TwoProgramsTest::SetUp();
        if (IsSkipped())
            return;
        running.setProcessEnvironment(environment);
        running.start(program, {});
        ASSERT_TRUE(running.waitForStarted());
    }

    void TearDown() override {
        if (running.state() != QProcess::NotRunning) {
            running.kill();
            running.waitForFinished();
        }
        TwoProgramsTest::TearDown();
    }

    QProcess running;
};

TEST_F(ConnectedRecorderTest, TheNoticeStartsATransferAndACrashDuringItIsReportedAtTheNextStart) {
    ASSERT_TRUE(eventually([this] { return sendConnectedNotice(); })) << "the running program never listened";
    // Without a recorder the transfer stops at its "Device not found" box with a checkpoint set.
    ASSERT_TRUE(eventually([this] { return scalar("select transfer_progress from preferences") != 0; }))
        << "no transfer started";
    running.kill();
    running.waitForFinished();

    testing::ScriptedDialogs dialogs;
    frmMain next;
    next.Form_Load();

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(
        dialogs.shown()[0].text.startsWith("Runvella shut down unexpectedly during the last data transfer"));
    EXPECT_EQ(scalar("select transfer_progress from preferences"), 0);
    next.close();
}

// The listening program is this test, so that it can answer the transfer's box.
using ConnectedNoticeTest = TwoProgramsTest;

TEST_F(ConnectedNoticeTest, ATransferBoxAnsweredAfterTheSenderHasGoneLeavesTheProgramRunning) {
    const auto running = platform::instance::Claim::take(); // as the start of a running program does
    ASSERT_EQ(running.state(), platform::instance::Claim::State::Held);
    frmMain listening;
    listening.Form_Load();
    ASSERT_TRUE(listening.Hooked);

    QProcess sender;
    int boxes = 0;
    bool senderGoneBeforeTheAnswer = false;
    const auto previous =
        platform::dialogs::setMessageHandler([&](const platform::dialogs::MessageRequest &) {
            if (boxes++ > 0)
                return platform::dialogs::Answer::Ok;
            // The first box waits in its own event loop, as a user would, until the sender has
            // ended and its connection has closed.
            QList<QPointer<QLocalSocket>> connections;
            for (QLocalSocket *socket : listening.findChildren<QLocalSocket *>())
                connections << socket;
            const auto senderGone = [&] {
                return sender.state() == QProcess::NotRunning &&
                       std::all_of(connections.begin(), connections.end(), [](const auto &socket) {
                           return !socket || socket->state() == QLocalSocket::UnconnectedState;
                       });
            };
            QEventLoop box;
            QTimer look;
            const QDeadlineTimer giveUp(kOtherProgramPatienceMs);
            QObject::connect(&look, &QTimer::timeout, [&] {
                if (senderGone() || giveUp.hasExpired())
                    box.quit();
            });
            look.start(10);
            box.exec();
            senderGoneBeforeTheAnswer = senderGone();
            return platform::dialogs::Answer::Ok;
        });

    sender.setProcessEnvironment(environment);
    sender.start(program, {"--eggconnected"});
    const QDeadlineTimer deadline(kOtherProgramPatienceMs);
    // The transfer has ended when a box was answered and its checkpoint is back at 0.
    while (!deadline.hasExpired() && !(boxes > 0 && scalar("select transfer_progress from preferences") == 0))
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::processEvents();
    platform::dialogs::setMessageHandler(previous);

    EXPECT_EQ(sender.exitCode(), 0);
    EXPECT_GT(boxes, 0) << "no transfer started";
    EXPECT_TRUE(senderGoneBeforeTheAnswer);
    EXPECT_EQ(scalar("select transfer_progress from preferences"), 0);
    EXPECT_TRUE(listening.Hooked);
    listening.close();
}

} // namespace
