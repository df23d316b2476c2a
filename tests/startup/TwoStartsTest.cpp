#include "WaitingDataFile.h"
#include "common/Eventually.h"
#include "common/TestHome.h"
#include "platform/Database.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using testing::eventually;

// Two starts of the program itself at the same moment, on one new installation with a file
// waiting for the automatic import: one runs (held by the import's message), the other hands over
// and ends, and the file is stored once.
TEST(TwoStartsTest, OneRunsAndImportsTheWaitingFileTheOtherHandsOver) {
    const QString program = QCoreApplication::applicationDirPath() + "/Runvella";
    if (!QFileInfo::exists(program))
        GTEST_SKIP() << "needs the program beside the tests";
    testing::TestHome home;
    ASSERT_TRUE(platform::settings::writeEntry(platform::settings::rootFile(platform::settings::kProgramRoot),
                                               platform::settings::kProgramKey, "ShowPrefs", "No"));
    ASSERT_TRUE(startuptest::putWaitingDataFile());
    const QDir waiting(platform::paths::autoImportDir());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("RUNVELLA_HOME", home.path());
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess starts[2];
    for (QProcess &start : starts)
        start.setProcessEnvironment(environment);
    for (QProcess &start : starts)
        start.start(program, {});
    for (QProcess &start : starts)
        ASSERT_TRUE(start.waitForStarted());

    const auto ended = [&] {
        for (QProcess &start : starts)
            if (start.state() == QProcess::NotRunning)
                return &start;
        QCoreApplication::processEvents();
        return static_cast<QProcess *>(nullptr);
    };
    QProcess *handedOver = nullptr;
    EXPECT_TRUE(eventually([&] { return (handedOver = ended()) != nullptr; })) << "both starts run";
    if (handedOver) {
        EXPECT_EQ(handedOver->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(handedOver->exitCode(), 0);
    }
    EXPECT_TRUE(eventually([&] { return waiting.entryList(QDir::Files).isEmpty(); }))
        << waiting.entryList(QDir::Files).join(' ').toStdString();
    QProcess &running = handedOver == &starts[0] ? starts[1] : starts[0];
    EXPECT_EQ(running.state(), QProcess::Running);

    platform::db::Connection database;
    database.open(platform::paths::databasePath());
    auto activities = database.prepare("select count(*) from sessions");
    ASSERT_TRUE(activities.step());
    EXPECT_EQ(activities.columnInt64(0), 1);

    for (QProcess &start : starts) {
        start.kill();
        start.waitForFinished();
    }
}

} // namespace
