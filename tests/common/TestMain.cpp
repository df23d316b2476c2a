#include "common/TestHome.h"

#include "platform/Clock.h"
#include "platform/Database.h"
#include "platform/Dialogs.h"
#include "platform/ReportedFailures.h"

#include <QApplication>
#include <gtest/gtest.h>

// A dialog that a test did not expect fails the test instead of waiting for a user.
class UnansweredDialogs : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override {
        platform::dialogs::setMessageHandler([](const platform::dialogs::MessageRequest &request) {
            ADD_FAILURE() << "unexpected message box: " << request.text.toStdString();
            return platform::dialogs::Answer::Cancel;
        });
        platform::dialogs::setFileHandler([](const platform::dialogs::FileRequest &request) {
            ADD_FAILURE() << "unexpected file dialog: " << request.caption.toStdString();
            return QString();
        });
    }
};

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::TestHome home; // no test ever touches the user's own files
    // A test that holds the database in another connection learns of the lock quickly.
    platform::db::setBusyTimeout(std::chrono::milliseconds(200));
    // Windows that close on a day of the database's compaction would compact it: every test
    // program lives on one ordinary day.
    platform::clock::setToday(QDate(2026, 3, 11));
    // A failure that escapes every handler is reported, which fails its test.
    GuardedApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new UnansweredDialogs);
    return RUN_ALL_TESTS();
}
