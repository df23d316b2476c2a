#include "common/ScriptedDialogs.h"
#include "core/modRegistry.h"
#include "transfer/ActivityFixture.h"
#include "transfer/TransferState.h"
#include "transfer/frmAskSplice.h"
#include "transfer/modSplice.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>

using modSplice::AskSpliceFragments;

namespace {

class SpliceTest : public ActivityFixture {
protected:
    void SetUp() override {
        ActivityFixture::SetUp();
        gDownloadList.clear();
        gHrSessionsStored = 0;
        gGpsSessionsStored = 0;
    }

    // A heart-rate session stored by the transfer, listed as the driver lists it.
    SessionKey addFragment(const QDateTime &start, int seconds, const char *unit = "mi") {
        const QByteArray startText = platform::db::isoDateTime(start).toUtf8();
        const SessionKey key = addActivity(0, seconds, 0, unit, startText.constData());
        addHeartRate(key, seconds / 2 + 1);
        const QDateTime end = start.addSecs(seconds);
        gDownloadList.push_back({start.date(), start.time(), end.date(), end.time(), key, 0});
        ++gHrSessionsStored;
        return key;
    }

    static void storeAnswer(int alwaysAsk, const char *splice) {
        modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "AlwaysAskSplice", "D", alwaysAsk);
        modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "Splice", "S", splice);
    }

    static QVariant stored(const char *name, const char *type) {
        QVariant value;
        modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, name, type, QVariant(), value);
        return value;
    }

    const QDateTime morning{QDate(2026, 3, 9), QTime(7, 0, 0), Qt::UTC};
};

TEST_F(SpliceTest, SessionsSixtySecondsApartAreJoinedButNotSixtyOne) {
    for (const int gap : {60, 61}) {
        SCOPED_TRACE(gap);
        gDownloadList.clear();
        gHrSessionsStored = 0;
        storeAnswer(1, "Yes");
        const SessionKey first = addFragment(morning, 10);
        const SessionKey second = addFragment(morning.addSecs(10 + gap), 10);

        AskSpliceFragments();

        const bool joined = gap == 60;
        EXPECT_EQ(gFileAccessCount, joined ? 1 : 2);
        EXPECT_EQ(exists(second), !joined);
        EXPECT_DOUBLE_EQ(column(first, "Duration"), joined ? 80 : 10);
    }
}

TEST_F(SpliceTest, AChainOfFragmentsBecomesOneActivity) {
    storeAnswer(1, "Yes");
    const SessionKey a = addFragment(morning, 20);
    const SessionKey b = addFragment(morning.addSecs(30), 20);
    const SessionKey c = addFragment(morning.addSecs(70), 20);

    EXPECT_TRUE(AskSpliceFragments());

    EXPECT_EQ(gFileAccessCount, 1);
    EXPECT_EQ(gDownloadList[0].SessionKey, a);
    EXPECT_EQ(gDownloadList[0].EndTime, QTime(7, 1, 30));
    EXPECT_FALSE(exists(b));
    EXPECT_FALSE(exists(c));
    EXPECT_DOUBLE_EQ(column(a, "Duration"), 90);
}

TEST_F(SpliceTest, OnlyTheExactAnswerYesJoins) {
    for (const char *answer : {"yes", "No"}) {
        SCOPED_TRACE(answer);
        gDownloadList.clear();
        gHrSessionsStored = 0;
        storeAnswer(1, answer);
        addFragment(morning, 10);
        const SessionKey second = addFragment(morning.addSecs(15), 10);

        EXPECT_FALSE(AskSpliceFragments());

        EXPECT_EQ(gFileAccessCount, 2);
        EXPECT_TRUE(exists(second));
    }
}

TEST_F(SpliceTest, ASessionListedTwiceUnderOneKeyCountsOnce) {
    storeAnswer(0, "No"); // a question would fail the test: nothing is to be paired
    addFragment(morning, 10);
    gDownloadList.push_back(gDownloadList[0]);
    ++gGpsSessionsStored;

    AskSpliceFragments();

    EXPECT_EQ(gFileAccessCount, 1);
}

TEST_F(SpliceTest, ARefusedPairIsReportedAndKeepsBothEntries) {
    storeAnswer(1, "Yes");
    testing::ScriptedDialogs dialogs;
    const SessionKey first = addFragment(morning, 10, "mi");
    const SessionKey second = addFragment(morning.addSecs(20), 10, "km");

    EXPECT_TRUE(AskSpliceFragments());

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(
        dialogs.shown()[0].text.startsWith("The selected activities do not have similar device types"));
    EXPECT_EQ(dialogs.shown()[0].title, "Merge Sessions");
    EXPECT_EQ(gFileAccessCount, 2);
    EXPECT_TRUE(exists(first));
    EXPECT_TRUE(exists(second));
}

TEST_F(SpliceTest, OverlappingSessionsJoinAtTheEarlierStartWithEachSampleAtItsOwnTime) {
    const struct {
        const char *name;
        int earlierSeconds;
        int laterStart;
        int laterSeconds;
        int duration;
        QTime end;
    } cases[] = {
        {"a fragment inside", 600, 300, 30, 600, QTime(7, 10, 0)},
        {"overlapping ends", 60, 30, 60, 90, QTime(7, 1, 30)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        gDownloadList.clear();
        gHrSessionsStored = 0;
        storeAnswer(1, "Yes");
        const SessionKey earlier = addFragment(morning, c.earlierSeconds);
        const SessionKey later = addFragment(morning.addSecs(c.laterStart), c.laterSeconds);

        AskSpliceFragments();

        EXPECT_EQ(gFileAccessCount, 1);
        EXPECT_EQ(gDownloadList[0].SessionKey, earlier);
        EXPECT_EQ(gDownloadList[0].StartTime, QTime(7, 0, 0));
        EXPECT_EQ(gDownloadList[0].EndTime, c.end);
        EXPECT_FALSE(exists(later));
        auto start = gConn.prepare("select Session_datetime from sessions where prkey = ?");
        start.bind(1, earlier);
        ASSERT_TRUE(start.step());
        EXPECT_EQ(start.columnText(0), "2026-03-09 07:00:00");
        EXPECT_DOUBLE_EQ(column(earlier, "Duration"), c.duration);
        // One heart-rate sample every 2 s from the start to the end, none counted twice.
        std::vector<double> expected;
        for (int second = 0; second <= c.duration; second += 2)
            expected.push_back(second);
        expectTimes(times(earlier, true), expected);
        EXPECT_LE(column(earlier, "time_zone1 + time_zone2 + time_zone3 + time_zone4 + time_zone5"),
                  c.duration);
    }
}

TEST_F(SpliceTest, TheQuestionIsAskedAndItsAnswerRemembered) {
    storeAnswer(0, "No");
    const SessionKey first = addFragment(morning, 10);
    const SessionKey second = addFragment(morning.addSecs(15), 10);
    QTimer::singleShot(0, [] {
        auto *question = qobject_cast<frmAskSplice *>(QApplication::activeModalWidget());
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(question->ListView1->topLevelItemCount(), 2);
        question->chkAlwaysDoAction->setChecked(true);
        question->cmdYes->click();
    });

    AskSpliceFragments();

    EXPECT_FALSE(exists(second));
    EXPECT_DOUBLE_EQ(column(first, "Duration"), 25);
    EXPECT_EQ(stored("AlwaysAskSplice", "D").toInt(), 1);
    EXPECT_EQ(stored("Splice", "S").toString(), "Yes");
}

TEST_F(SpliceTest, TheQuestionListsTheEarlierFirstAndAnswersNoUntilAsked) {
    storeAnswer(1, "Yes");
    gSpliceKey1 = addActivity(0, 3725, 0, "mi", "2026-03-09 08:00:00");
    gSpliceKey2 = addActivity(0, 60, 0, "mi", "2026-03-09 07:00:00");

    frmAskSplice question;

    EXPECT_EQ(stored("AlwaysAskSplice", "D").toInt(), 0);
    EXPECT_EQ(stored("Splice", "S").toString(), "No");
    ASSERT_EQ(question.ListView1->topLevelItemCount(), 2);
    const auto digits = [&](int line) {
        return question.ListView1->topLevelItem(line)->text(1).remove(QRegularExpression("\\D"));
    };
    EXPECT_EQ(digits(0), "000100");
    EXPECT_EQ(digits(1), "010205");
    question.cmdNo->click();
    EXPECT_EQ(stored("Splice", "S").toString(), "No");
}

} // namespace
