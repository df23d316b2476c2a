#include "common/DatabaseFaults.h"
#include "common/ScriptedDialogs.h"
#include "core/ImageControls.h"
#include "core/modLocalisation.h"
#include "mainwindow/frmMain.h"
#include "platform/FailureCauses.h"
#include "platform/Paths.h"
#include "transfer/ActivityFixture.h"

#include <QAction>
#include <QCalendarWidget>
#include <QTextCharFormat>
#include <QTreeWidget>

namespace {

using platform::dialogs::Answer;
using platform::dialogs::Buttons;

const QDate kDay(2026, 3, 9);

class DeleteActivityTest : public ActivityFixture {
protected:
    void SetUp() override {
        ActivityFixture::SetUp();
        gCurrentGraph = "session";
        window.MonthView1->setSelectedDate(kDay);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        window.MonthView1->setDateTextFormat(kDay, bold);
        window.resSummary->show();
    }

    void listDay() { window.DisplayActivity(kDay, kDay, 0); }
    bool dayIsBold() const { return window.MonthView1->dateTextFormat(kDay).fontWeight() == QFont::Bold; }

    frmMain window;
    testing::ScriptedDialogs dialogs;
};

TEST_F(DeleteActivityTest, TheConfirmedActivityGoesWithItsSamplesAndTheDayIsShownAgain) {
    const SessionKey morning = addActivity(0, 600, 0, "mi", "2026-03-09 07:00:00");
    const SessionKey evening = addActivity(1, 900, 2, "mi", "2026-03-09 18:00:00");
    addHeartRate(morning, 5);
    addSpeed(evening, 5);
    const SessionKey nextDay = addActivity(0, 600, 0, "mi", "2026-03-10 07:00:00");
    listDay();
    window.ListView1->setCurrentItem(window.ListView1->topLevelItem(1));
    const QString line = window.ListView1->topLevelItem(1)->text(0);

    dialogs.answer(Answer::Yes);
    window.mnuDeleteActivity->trigger();

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, modLocalisation::LoadResString(1345) + ' ' + line + " ?");
    EXPECT_EQ(dialogs.shown()[0].title, "Runvella");
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNo);
    EXPECT_FALSE(exists(evening));
    EXPECT_EQ(sampleCount(evening), 0);
    EXPECT_TRUE(exists(morning));
    EXPECT_EQ(sampleCount(morning), 5);
    EXPECT_TRUE(exists(nextDay));
    EXPECT_EQ(window.ListView1->topLevelItemCount(), 1);
    EXPECT_TRUE(dayIsBold()); // the morning's activity is still there
    EXPECT_EQ(gCurrentGraph, "summary");
    EXPECT_TRUE(window.resSummary->isHidden());

    // With no line chosen the first is the one asked about; the day is left without activities.
    window.ListView1->setCurrentItem(nullptr);
    dialogs.answer(Answer::Yes);
    window.mnuDeleteActivity->trigger();

    EXPECT_FALSE(exists(morning));
    ASSERT_EQ(window.ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(window.ListView1->topLevelItem(0)->text(0), modLocalisation::LoadResString(1317));
    EXPECT_FALSE(dayIsBold());
}

TEST_F(DeleteActivityTest, NoAnswerOrNoActivityDeletesNothing) {
    window.mnuDeleteActivity->trigger();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Nothing to delete");
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::Ok);

    const SessionKey key = addActivity(0, 600, 0, "mi", "2026-03-09 07:00:00");
    listDay();
    dialogs.answer(Answer::No);
    window.mnuDeleteActivity->trigger();

    EXPECT_EQ(dialogs.shown().size(), 2u);
    EXPECT_TRUE(exists(key));
    EXPECT_EQ(window.ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(gCurrentGraph, "session");
    EXPECT_TRUE(dayIsBold());
}

TEST_F(DeleteActivityTest, ADeleteThatFailsHalfWayKeepsTheWholeActivity) {
    const SessionKey key = addActivity(0, 600, 0, "mi", "2026-03-09 07:00:00");
    addHeartRate(key, 5);
    listDay();
    gConn.executeScript("create trigger refuse before delete on sessiondata "
                        "begin select raise(abort, 'disk is full'); end");

    dialogs.answer(Answer::Yes);
    window.mnuDeleteActivity->trigger();

    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_TRUE(dialogs.shown()[1].text.contains("disk is full"));
    EXPECT_TRUE(exists(key));
    EXPECT_EQ(sampleCount(key), 5);
}

TEST_F(DeleteActivityTest, WhileAnotherProgramHoldsTheDatabaseTheAthleteIsToldAndCanTryAgain) {
    modLocalisation::LocalizeFailureCauses();
    const SessionKey key = addActivity(0, 600, 0, "mi", "2026-03-09 07:00:00");
    addHeartRate(key, 5);
    listDay();
    {
        testing::OtherProgramsLock otherProgram(platform::paths::databasePath());
        dialogs.answer(Answer::Yes);
        window.mnuDeleteActivity->trigger();
    }
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].text, modLocalisation::LoadResString(1940) + "\n\ndatabase is locked");
    EXPECT_EQ(sampleCount(key), 5);

    dialogs.answer(Answer::Yes);
    window.mnuDeleteActivity->trigger();
    EXPECT_FALSE(exists(key));
    platform::failures::setCauseTexts({});
}

} // namespace
