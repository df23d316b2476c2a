#include "MainWindowFixture.h"
#include "core/ActivityIcons.h"
#include "core/FormControls.h"
#include "core/ImageControls.h"
#include "core/LocaleScope.h"
#include "core/modLocalisation.h"
#include "mainwindow/MainWindowServices.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableView>
#include <QTreeWidget>

namespace {

using platform::dialogs::Answer;

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

class frmMainActivityListTest : public MainWindowFixture {
protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        // Monday 9 to Sunday 15 March 2026, and one in April.
        monday = addActivity(1, 3725, 0, "mi", "2026-03-09 18:00:00");
        wednesdayLate = addActivity(0, 360000, 0, "mi", "2026-03-11 19:30:00");
        wednesdayEarly = addActivity(20, 1800, 0, "mi", "2026-03-11 06:15:00");
        friday = addActivity(99, 600, 0, "mi", "2026-03-13 12:00:00");
        april = addActivity(5, 600, 0, "mi", "2026-04-02 12:00:00");
        gConn.prepare("update sessions set Description = ? where prkey = ?")
            .bindAll(QString("Intervals\r\n6 x 400 m"), wednesdayLate)
            .execute();
    }

    QStringList listed(int column = 0) const {
        QStringList lines;
        for (int line = 0; line < window->ListView1->topLevelItemCount(); ++line)
            lines << window->ListView1->topLevelItem(line)->text(column);
        return lines;
    }
    QStringList listedKeys() const {
        QStringList keys;
        for (int line = 0; line < window->ListView1->topLevelItemCount(); ++line)
            keys << window->ListView1->topLevelItem(line)->data(0, Qt::UserRole).toString();
        return keys;
    }
    static QString keyOf(SessionKey key) { return "_" + QString::number(key); }

    bool bold(QDate day) const { return window->MonthView1->dayBold(day); }
    QWidget *calendarDays() const { return window->MonthView1->findChild<QTableView *>(); }

    LocaleScope english{QLocale(QLocale::English, QLocale::UnitedStates)};
    SessionKey monday = 0;
    SessionKey wednesdayLate = 0;
    SessionKey wednesdayEarly = 0;
    SessionKey friday = 0;
    SessionKey april = 0;
};

TEST_F(frmMainActivityListTest, LoadListsTodaysActivitiesAndBoldsTheDaysThatHaveSome) {
    load();

    EXPECT_EQ(listedKeys(), (QStringList{keyOf(wednesdayEarly), keyOf(wednesdayLate)}));
    EXPECT_EQ(listed(1), (QStringList{"00:30:00", "100:00:00"}));
    EXPECT_EQ(listed(2)[1], "Intervals 6 x 400 m");
    EXPECT_EQ(window->ListView1->topLevelItem(0)->data(0, kActivityIconRole).toInt(), 4);
    EXPECT_EQ(window->ListView1->topLevelItem(1)->data(0, kActivityIconRole).toInt(), 3);
    EXPECT_TRUE(window->ListView1->topLevelItem(0)->text(0).startsWith("Wed 3/11/26 "));
    EXPECT_EQ(window->ListView1->currentItem(), window->ListView1->topLevelItem(0));
    EXPECT_EQ(window->ListView1->toolTip(), text(1643));

    // The designed widths, the date's widened so that no date is cut.
    QTreeWidget &list = *window->ListView1;
    EXPECT_FALSE(list.header()->isHidden());
    EXPECT_EQ(list.headerItem()->text(0), text(1409));
    const int widened = list.columnWidth(0) - pixelsFromTwips(2500);
    EXPECT_GE(widened, 0);
    EXPECT_EQ(list.columnWidth(1), pixelsFromTwips(1000));
    // The description reaches the list's right edge.
    EXPECT_GE(list.columnWidth(2), list.width() - pixelsFromTwips(3600) - widened);
    window->resize(window->size() + QSize(120, 0));
    EXPECT_GE(list.columnWidth(2), list.width() - pixelsFromTwips(3600) - widened);
    const int dateWidth = list.columnWidth(0);
    list.resizeColumnToContents(0);
    EXPECT_GE(dateWidth, list.columnWidth(0));

    for (QDate day = QDate(2026, 3, 1); day <= QDate(2026, 3, 31); day = day.addDays(1))
        EXPECT_EQ(bold(day), day.day() == 9 || day.day() == 11 || day.day() == 13) << day.day();
    window->MonthView1->setCurrentPage(2026, 4);
    EXPECT_TRUE(bold(QDate(2026, 4, 2)));
    EXPECT_FALSE(bold(QDate(2026, 4, 3)));
}

TEST_F(frmMainActivityListTest, ADayWithoutActivitiesShowsTheNoticeAndLosesItsBoldMark) {
    load();
    window->MonthView1->setDayBold(QDate(2026, 3, 10), true);

    window->MonthView1->setSelectedDate(QDate(2026, 3, 10));

    EXPECT_EQ(listed(), QStringList{text(1317)});
    EXPECT_EQ(window->ListView1->columnCount(), 1);
    EXPECT_TRUE(window->ListView1->header()->isHidden());
    EXPECT_EQ(window->ListView1->toolTip(), "");
    EXPECT_FALSE(bold(QDate(2026, 3, 10)));

    // Enter and a double click on the notice open nothing.
    key(window->ListView1, Qt::Key_Return);
    emit window->ListView1->itemDoubleClicked(window->ListView1->topLevelItem(0), 0);
    EXPECT_FALSE(gEditExisting);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(frmMainActivityListTest, ArrowKeysInTheCalendarListTheDayReached) {
    load();
    calendarDays()->setFocus();

    key(calendarDays(), Qt::Key_Right);
    EXPECT_EQ(window->MonthView1->selectedDate(), QDate(2026, 3, 12));
    EXPECT_EQ(listed(), QStringList{text(1317)});

    key(calendarDays(), Qt::Key_Right);
    EXPECT_EQ(listedKeys(), QStringList{keyOf(friday)});
}

TEST_F(frmMainActivityListTest, ClickArrowKeysOrSpaceMakeAnActivityCurrentAndEnterEditsTheSelectedOne) {
    load();
    QTreeWidget &list = *window->ListView1;

    emit list.itemClicked(list.topLevelItem(0), 0);
    EXPECT_EQ(gCurrentSessionKey, wednesdayEarly);
    EXPECT_TRUE(gGraphSelectLive); // the choosers were filled without drawing, then the graph was drawn
    EXPECT_GT(window->cmbGraph1->count(), 0); // the series choices of the activity's kind

    list.setFocus();
    key(&list, Qt::Key_Down);
    EXPECT_EQ(gCurrentSessionKey, wednesdayLate);

    // Listing another day keeps the current activity, whose line is chosen when it is listed.
    window->DisplayActivity(QDate(2026, 3, 9), QDate(2026, 3, 9), 0);
    EXPECT_EQ(gCurrentSessionKey, wednesdayLate);
    // The entry window opens on the activity to edit; the test closes it unchanged.
    const auto closeEntry = [](QWidget &entryWindow) { entryWindow.close(); };
    NextModal enterAnswered(closeEntry);
    key(&list, Qt::Key_Return);
    EXPECT_TRUE(enterAnswered.answered());
    EXPECT_TRUE(gEditExisting);
    EXPECT_EQ(gCurrentSessionKey, monday); // the line selected, not the one clicked last

    gEditExisting = false;
    window->DisplayActivity(QDate(2026, 3, 11), QDate(2026, 3, 11), 1);
    // Space draws the chosen line as a click does, also where no arrow has a line to move to.
    key(&list, Qt::Key_Space);
    EXPECT_EQ(gCurrentSessionKey, wednesdayEarly);
    NextModal doubleClickAnswered(closeEntry);
    emit list.itemDoubleClicked(list.topLevelItem(0), 0);
    EXPECT_TRUE(doubleClickAnswered.answered());
    EXPECT_TRUE(gEditExisting);
    EXPECT_EQ(gCurrentSessionKey, wednesdayEarly);
}

TEST_F(frmMainActivityListTest, DeletingTheDaysLastActivityKeepsItsBodyRecordAndItsBoldMarkGoes) {
    gConn.executeScript(
        "insert into dailydata (theday, weight, restingpulse) values ('2026-03-13', 71.5, 48)");
    load();
    window->MonthView1->setSelectedDate(QDate(2026, 3, 13));
    ASSERT_TRUE(bold(QDate(2026, 3, 13)));
    window->ListView1->setFocus();

    dialogs.answer(Answer::Yes);
    key(window->ListView1, Qt::Key_Delete);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, text(1345) + " Fri 3/13/26 12:00:00 PM ?");
    EXPECT_FALSE(exists(friday));
    EXPECT_EQ(listed(), QStringList{text(1317)});
    EXPECT_FALSE(bold(QDate(2026, 3, 13)));
    auto body = gConn.prepare("select weight, restingpulse from dailydata where theday = '2026-03-13'");
    ASSERT_TRUE(body.step());
    EXPECT_EQ(body.columnDouble(0), 71.5);
    EXPECT_EQ(body.columnInt64(1), 48);
    EXPECT_EQ(gCurrentGraph, "monthly"); // the summary graph is drawn again

    // Nothing is left to delete on that day.
    key(window->ListView1, Qt::Key_Delete);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].text, text(1403));
}

TEST_F(frmMainActivityListTest, TheDeleteLinkAsksWithoutTheExtraBlankAndLeavesTheSummary) {
    load();
    window->resSummary->show();
    window->ListView1->setCurrentItem(window->ListView1->topLevelItem(1));
    const QString line = window->ListView1->topLevelItem(1)->text(0);

    dialogs.answer(Answer::Yes);
    window->resImage_Click(4);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, text(1345) + line + " ?");
    EXPECT_FALSE(exists(wednesdayLate));
    EXPECT_TRUE(exists(wednesdayEarly));
    EXPECT_TRUE(bold(kToday));
    EXPECT_TRUE(window->resSummary->isHidden());
}

// The calendar on screen, dragged over as the athlete does.
TEST_F(frmMainActivityListTest, DraggingOverAWeekListsItAndMakesItThePeriod) {
    load();
    const QStringList periodsBefore = [&] {
        QStringList entries;
        for (int entry = 0; entry < window->Combo2->count(); ++entry)
            entries << window->Combo2->itemText(entry);
        return entries;
    }();

    dragOverDays(QDate(2026, 3, 15), QDate(2026, 3, 9)); // from Sunday back to Monday

    EXPECT_EQ(window->MonthView1->SelStart(), QDate(2026, 3, 9));
    EXPECT_EQ(window->MonthView1->SelEnd(), QDate(2026, 3, 15));
    EXPECT_EQ(listedKeys(),
              (QStringList{keyOf(monday), keyOf(wednesdayEarly), keyOf(wednesdayLate), keyOf(friday)}));
    ASSERT_EQ(window->Combo2->count(), 10);
    EXPECT_EQ(window->Combo2->itemText(0),
              TimePeriods::RangeEntryText({QDate(2026, 3, 9), QDate(2026, 3, 15)}, text(1366)));
    EXPECT_EQ(window->Combo2->currentIndex(), 0);
    EXPECT_EQ(gPeriodStart, QDate(2026, 3, 9));
    EXPECT_EQ(gPeriodEnd, QDate(2026, 3, 15));
    EXPECT_EQ(gRangeStart, QDate(2026, 3, 9));
    EXPECT_EQ(gRangeEnd, QDate(2026, 3, 15));
    EXPECT_EQ(gCurrentGraph, "monthly");

    // A click on one day lists that day and leaves the period alone.
    dragOverDays(QDate(2026, 3, 13), QDate(2026, 3, 13));
    EXPECT_EQ(listedKeys(), QStringList{keyOf(friday)});
    EXPECT_EQ(window->Combo2->count(), 10);
    EXPECT_EQ(gPeriodStart, QDate(2026, 3, 9));
    EXPECT_EQ(periodsBefore.size(), 9);
    EXPECT_TRUE(dialogs.shown().empty());

    // An activity stored by another window while a range is chosen is listed with the range.
    dragOverDays(QDate(2026, 3, 9), QDate(2026, 3, 10));
    const SessionKey tuesday = addActivity(99, 900, 0, "mi", "2026-03-10 07:00:00");
    gMainForm = window.get();
    mainwindow::ListCalendarSelection();
    gMainForm = nullptr;
    EXPECT_EQ(listedKeys(), (QStringList{keyOf(monday), keyOf(tuesday)}));
}

} // namespace
