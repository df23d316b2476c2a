#include "common/ActivityBuilder.h"
#include "common/DatabaseFaults.h"
#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"
#include "mainwindow/frmMain.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QTreeWidget>

#include <functional>

namespace {

using testing::kReadsFail;
using testing::kWritesFail;

class frmMainFailuresTest : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        gCurrentSessionKey =
            testing::ActivityBuilder().start("2026-03-09 07:00:00").type(1).duration(600).store(gConn);
        for (QComboBox *list : {window.cmbGraph1, window.cmbGraph2})
            list->addItems({"<None>", "Speed", "Pace"});
    }

    frmMain window;
};

TEST_F(frmMainFailuresTest, ADatabaseFailureInAHandlerIsReportedOnceAndTheWindowGoesOn) {
    const struct {
        const char *handler;
        const testing::DatabaseFault &fault;
        std::function<void(frmMain &)> drive;
    } cases[] = {
        {"calendar click", kReadsFail, [](frmMain &w) { emit w.MonthView1->clicked(QDate(2026, 3, 9)); }},
        {"left series", kWritesFail, [](frmMain &w) { w.cmbGraph1->setCurrentIndex(1); }},
        {"right series", kWritesFail, [](frmMain &w) { w.cmbGraph2->setCurrentIndex(2); }},
        {"merge command", kReadsFail, [](frmMain &w) { w.mnuMergeSessions->trigger(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.handler);
        testing::ScriptedDialogs dialogs;
        gConn.executeScript(c.fault.apply);

        c.drive(window);

        gConn.executeScript(c.fault.undo);
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_TRUE(dialogs.shown()[0].text.contains(c.fault.text)) << dialogs.shown()[0].text.toStdString();
        EXPECT_EQ(dialogs.shown()[0].title, "Runvella");
    }
    // The window still works once the database does.
    emit window.MonthView1->clicked(QDate(2026, 3, 9));
    EXPECT_EQ(window.ListView1->topLevelItemCount(), 1);
}

} // namespace
