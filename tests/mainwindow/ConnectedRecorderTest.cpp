#include "mainwindow/frmMain.h"

#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

namespace {

// Two programs of one user: the running one and "Runvella --eggconnected" started beside it.
class ConnectedRecorderTest : public DatabaseFixture {
protected:
    static constexpr int kPatienceMs = 120000;

    void SetUp() override {
        if (!QFileInfo::exists(program))
            GTEST_SKIP() << "the program is not built beside the tests";
        DatabaseFixture::SetUp();
        environment.insert("RUNVELLA_HOME", home.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        running.setProcessEnvironment(environment);
        running.start(program, {});
        ASSERT_TRUE(running.waitForStarted());
    }

    void TearDown() override {
        if (running.state() != QProcess::NotRunning) {
            running.kill();
            running.waitForFinished();
        }
        DatabaseFixture::TearDown();
    }

    // Repeats `step` until it holds, giving the other program time to get there.
    static bool eventually(const std::function<bool()> &step) {
        const QDeadlineTimer deadline(kPatienceMs);
        while (!deadline.hasExpired()) {
            if (step())
                return true;
            QThread::msleep(50);
        }
        return false;
    }

    bool sendConnectedNotice() {
        QProcess sender;
        sender.setProcessEnvironment(environment);
        sender.start(program, {"--eggconnected"});
        return sender.waitForFinished(kPatienceMs) && sender.exitCode() == 0;
    }

    const QString program = QCoreApplication::applicationDirPath() + "/Runvella";
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
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

} // namespace
