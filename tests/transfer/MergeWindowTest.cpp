#include "common/ScriptedDialogs.h"
#include "core/ActivityIcons.h"
#include "transfer/ActivityFixture.h"
#include "transfer/TransferState.h"
#include "transfer/frmMerge1.h"

#include <QCalendarWidget>
#include <QHeaderView>
#include <QPushButton>
#include <QTextCharFormat>
#include <QTreeWidget>

#include <memory>

namespace {

const QDate kDay(2026, 3, 9);

class MergeWindowTest : public ActivityFixture {
protected:
    void SetUp() override {
        ActivityFixture::SetUp();
        window = std::make_unique<frmMerge1>();
    }
    void TearDown() override {
        window.reset();
        ActivityFixture::TearDown();
    }

    SessionKey addListed(int type, const char *start, const char *unit = "mi") {
        const SessionKey key = addActivity(type, 4, 1, unit, start);
        addHeartRate(key, 3);
        if (type == 20)
            addSpeed(key, 2);
        return key;
    }

    void showDay(frmMerge1 &shown) { shown.MonthView1->setSelectedDate(kDay); }

    static void check(frmMerge1 &shown, int line, bool on = true) {
        shown.ListView1->topLevelItem(line)->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
    }

    std::unique_ptr<frmMerge1> window;
};

TEST_F(MergeWindowTest, ADayWithoutActivitiesSaysSo) {
    ASSERT_EQ(window->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(window->ListView1->topLevelItem(0)->text(0), "No Activities Today");
    EXPECT_TRUE(window->ListView1->header()->isHidden());
    EXPECT_FALSE(window->cmdOK->isEnabled());
}

TEST_F(MergeWindowTest, ListsOnlyActivitiesWithSamplesButMarksEveryActivitysDay) {
    addActivity(99, 3600, 5, "mi", "2026-03-09 06:00:00");
    addListed(0, "2026-03-09 07:00:00");

    showDay(*window);

    EXPECT_EQ(window->ListView1->topLevelItemCount(), 1);
    EXPECT_FALSE(window->ListView1->header()->isHidden());
    EXPECT_EQ(window->MonthView1->dateTextFormat(kDay).fontWeight(), QFont::Bold);
    EXPECT_NE(window->MonthView1->dateTextFormat(kDay.addDays(1)).fontWeight(), QFont::Bold);
}

TEST_F(MergeWindowTest, EachLineShowsTheMainWindowsIconOfItsType) {
    const struct {
        int type;
        const char *start;
        int icon;
    } cases[] = {{0, "2026-03-09 07:00:00", 3},  {1, "2026-03-09 08:00:00", 2},
                 {5, "2026-03-09 09:00:00", 2},  {20, "2026-03-09 10:00:00", 4},
                 {99, "2026-03-09 11:00:00", 1}, {3, "2026-03-09 12:00:00", 1}};
    for (const auto &c : cases)
        addListed(c.type, c.start);
    showDay(*window);

    ASSERT_EQ(window->ListView1->topLevelItemCount(), int(std::size(cases)));
    for (int line = 0; line < int(std::size(cases)); ++line) {
        const QTreeWidgetItem *item = window->ListView1->topLevelItem(line);
        EXPECT_EQ(item->data(0, kActivityIconRole).toInt(), cases[line].icon) << "type " << cases[line].type;
        EXPECT_EQ(item->icon(0).pixmap(16).toImage(), ActivityIcon(cases[line].icon).pixmap(16).toImage())
            << "type " << cases[line].type;
    }
}

TEST_F(MergeWindowTest, OkNeedsExactlyTwoCheckedLines) {
    for (const char *start : {"2026-03-09 07:00:00", "2026-03-09 08:00:00", "2026-03-09 09:00:00"})
        addListed(0, start);
    showDay(*window);

    check(*window, 0);
    EXPECT_FALSE(window->cmdOK->isEnabled());
    check(*window, 1);
    EXPECT_TRUE(window->cmdOK->isEnabled());
    check(*window, 2);
    EXPECT_FALSE(window->cmdOK->isEnabled());
    check(*window, 0, false);
    EXPECT_TRUE(window->cmdOK->isEnabled());
}

TEST_F(MergeWindowTest, TheLaterListedActivityIsMergedIntoTheEarlierOne) {
    const SessionKey earlier = addListed(0, "2026-03-09 07:00:00");
    const SessionKey later = addListed(0, "2026-03-09 08:00:00");
    SessionKey redrawn = 0;
    QObject::connect(window.get(), &frmMerge1::activitiesChanged, [&](SessionKey key) { redrawn = key; });
    showDay(*window);
    testing::ScriptedDialogs dialogs;

    check(*window, 1);
    check(*window, 0);
    window->cmdOK->click();

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "The sessions have been merged successfully.");
    EXPECT_EQ(dialogs.shown()[0].title, "Runvella");
    EXPECT_EQ(redrawn, earlier);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_TRUE(exists(earlier));
    EXPECT_FALSE(exists(later));
}

TEST_F(MergeWindowTest, RefusalsSayWhyAndCloseOnlyForDifferentUnits) {
    const struct {
        const char *name;
        int type2;
        const char *unit2;
        const char *message;
        bool closes;
    } cases[] = {
        {"units", 0, "km", "Activities must have been read in using the same selected preferred units", true},
        {"types", 1, "mi", "The selected activities do not have similar device types", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        frmMerge1 local;
        bool closed = false;
        QObject::connect(&local, &QDialog::finished, [&] { closed = true; });
        addListed(0, "2026-03-09 07:00:00");
        addListed(c.type2, "2026-03-09 08:00:00", c.unit2);
        showDay(local);
        testing::ScriptedDialogs dialogs;

        check(local, 0);
        check(local, 1);
        local.cmdOK->click();

        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_TRUE(dialogs.shown()[0].text.startsWith(c.message));
        EXPECT_EQ(dialogs.shown()[0].title, "Merge Sessions");
        EXPECT_EQ(closed, c.closes);
        EXPECT_FALSE(gMergeUnitsDiffer);
        gConn.executeScript("delete from sessions; delete from sessiondata;");
    }
}

TEST_F(MergeWindowTest, LongDescriptionsShowTheirTwoEnds) {
    const SessionKey key = addListed(0, "2026-03-09 07:00:00");
    gConn.prepare("update sessions set Description = ? where prkey = ?")
        .bindAll("abcdefghijklmnopqrst-ABCDEFGHIJKLMNOPQRST", key)
        .execute();

    showDay(*window);

    EXPECT_EQ(window->ListView1->topLevelItem(0)->text(2), "abcdefghijklmnopqrst...ABCDEFGHIJKLMNOPQRST");
}

} // namespace
