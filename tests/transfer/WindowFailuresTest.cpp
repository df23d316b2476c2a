#include "common/DatabaseFaults.h"
#include "common/ScriptedDialogs.h"
#include "mainwindow/frmMain.h"
#include "transfer/ActivityFixture.h"
#include "transfer/frmActivitySummary.h"
#include "transfer/frmMerge1.h"

#include <QCalendarWidget>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>

namespace {

using testing::kReadsFail;
using testing::kWritesFail;

const QDate kDay(2026, 3, 9);

class WindowFailuresTest : public ActivityFixture {
protected:
    void SetUp() override {
        ActivityFixture::SetUp();
        gMainForm = &main;
        main.MonthView1->setSelectedDate(kDay);
    }
    void TearDown() override {
        gMainForm = nullptr;
        ActivityFixture::TearDown();
    }

    frmMain main;
};

TEST_F(WindowFailuresTest, ADatabaseFailureInATransferWindowsHandlerIsReportedOnceAndTheWindowGoesOn) {
    const SessionKey speed = addActivity(1, 600, 1, "mi", "2026-03-09 07:00:00");
    addSpeed(speed, 3);
    const SessionKey heartRate = addActivity(0, 600, 0, "mi", "2026-03-09 08:00:00");
    addHeartRate(heartRate, 3);
    const SessionKey later = addActivity(0, 600, 0, "mi", "2026-03-09 09:00:00");
    addHeartRate(later, 3);

    frmMerge1 merge;
    merge.MonthView1->setSelectedDate(kDay);
    merge.ListView1->topLevelItem(1)->setCheckState(0, Qt::Checked);
    merge.ListView1->topLevelItem(2)->setCheckState(0, Qt::Checked);

    const struct {
        const char *handler;
        const testing::DatabaseFault &fault;
        std::function<void()> drive;
    } cases[] = {
        {"summary line click", kWritesFail,
         [&] {
             frmActivitySummary summary;
             summary.addActivity("line", speed);
             emit summary.List1->itemClicked(summary.List1->item(0));
             summary.unload();
         }},
        {"summary close", kReadsFail,
         [] {
             frmActivitySummary summary;
             summary.Command1->click();
         }},
        {"merge window's OK", kWritesFail, [&] { merge.cmdOK->click(); }},
        {"merge window's day", kReadsFail, [&] { merge.MonthView1->setSelectedDate(kDay.addDays(1)); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.handler);
        testing::ScriptedDialogs dialogs;
        gConn.executeScript(c.fault.apply);

        c.drive();

        gConn.executeScript(c.fault.undo);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_TRUE(dialogs.shown()[0].text.contains(c.fault.text)) << dialogs.shown()[0].text.toStdString();
        EXPECT_EQ(dialogs.shown()[0].title, "Runvella");
    }
    EXPECT_TRUE(gGraphSelectLive);
    EXPECT_TRUE(exists(heartRate));
    EXPECT_TRUE(exists(later));
}

} // namespace
