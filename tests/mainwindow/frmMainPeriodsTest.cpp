#include "MainWindowFixture.h"
#include "common/DatabaseFaults.h"
#include "core/ImageControls.h"
#include "core/modLocalisation.h"
#include "core/modRegistry.h"
#include "mainwindow/Form1.h"

#include <QAbstractItemView>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <set>

namespace {

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

class frmMainPeriodsTest : public MainWindowFixture {
protected:
    void TearDown() override {
        gPeriodStart = gPeriodEnd = gRangeStart = gRangeEnd = QDate();
        MainWindowFixture::TearDown();
    }

    static void remember(const char *name, int position) {
        modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, name, "D", position);
    }
    static int remembered(const char *name) {
        QVariant value = -1;
        modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, name, "D", -1, value);
        return value.toInt();
    }

    void chooseGraph(int number) { window->Combo1->setCurrentIndex(window->Combo1->findData(number)); }
    void choosePeriod(int number) { window->Combo2->setCurrentIndex(window->Combo2->findData(number)); }

    // Chooses "Custom" and answers the dialog: OK with the two days, or its close box.
    bool chooseCustom(std::optional<std::pair<QDate, QDate>> days) {
        NextModal answer([&](QWidget &modal) {
            auto &dialog = dynamic_cast<Form1 &>(modal);
            if (!days) {
                dialog.close();
                return;
            }
            dialog.DTPicker1->setDate(days->first);
            dialog.DTPicker2->setDate(days->second);
            dialog.Command1->click();
        });
        choosePeriod(TimePeriods::kCustom);
        return answer.answered();
    }
};

TEST_F(frmMainPeriodsTest, LoadOffersTheGraphsAndPeriodsAndDrawsThisMonthsGoals) {
    load();

    ASSERT_EQ(window->Combo1->count(), 11);
    const int graphs[] = {1, 3, 9, 2, 6, 7, 10, 8, 4, 5, 11};
    for (int position = 0; position < 11; ++position)
        EXPECT_EQ(window->Combo1->itemData(position).toInt(), graphs[position]) << position;
    EXPECT_EQ(window->Combo1->itemText(10), text(1649));
    ASSERT_EQ(window->Combo2->count(), 9);
    EXPECT_EQ(window->Combo2->itemText(0), text(1330));
    EXPECT_EQ(window->Combo2->itemText(8), text(1339));
    EXPECT_EQ(window->Combo1->currentIndex(), 0);
    EXPECT_EQ(window->Combo2->currentIndex(), 0);

    EXPECT_EQ(gCurrentGraph, "monthly");
    EXPECT_EQ(gPeriodStart, QDate(2026, 3, 1));
    EXPECT_EQ(gPeriodEnd, QDate(2026, 3, 31));
    for (QWidget *shown :
         std::initializer_list<QWidget *>{window->Combo1, window->Combo2, window->Label3,
                                          window->lblSelectGraph, window->TChart3, window->resImage[5]})
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    for (QWidget *hidden : std::initializer_list<QWidget *>{window->Combo3, window->Label1, window->cmbGraph1,
                                                            window->GraphLabel, window->lblNote,
                                                            window->resImage[6], window->resImagePlot})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    EXPECT_TRUE(dialogs.shown().empty());
}

// The list and the graphs it draws agree: no entry is left without a graph or shares one.
TEST_F(frmMainPeriodsTest, EachEntryOfTheGraphListDrawsAGraphOfItsOwn) {
    load();
    std::set<QString> drawn;
    for (int position = window->Combo1->count() - 1; position >= 0; --position) {
        gCurrentGraph.clear();
        window->Combo1->setCurrentIndex(position);
        EXPECT_FALSE(gCurrentGraph.isEmpty()) << window->Combo1->itemText(position).toStdString();
        drawn.insert(gCurrentGraph);
    }
    EXPECT_EQ(drawn.size(), 11u);
}

TEST_F(frmMainPeriodsTest, EachPeriodOfTheListSetsThePeriodFromTheWindowsToday) {
    load();
    const struct {
        int period;
        QDate first;
        QDate last;
    } cases[] = {
        {TimePeriods::kLastMonth, {2026, 2, 1}, {2026, 2, 28}},
        {TimePeriods::kThisWeek, {2026, 3, 9}, {2026, 3, 15}},
        {TimePeriods::kLastWeek, {2026, 3, 2}, {2026, 3, 8}},
        {TimePeriods::kYearToDate, {2026, 1, 1}, {2026, 3, 11}},
        {TimePeriods::kLastYear, {2025, 1, 1}, {2025, 12, 31}},
        {TimePeriods::kLastYearToDate, {2025, 1, 1}, {2025, 3, 11}},
        {TimePeriods::kPrior12Weeks, {2025, 12, 22}, {2026, 3, 11}},
        {TimePeriods::kThisMonth, {2026, 3, 1}, {2026, 3, 31}},
    };
    for (const auto &c : cases) {
        choosePeriod(c.period);
        EXPECT_EQ(gPeriodStart, c.first) << c.period;
        EXPECT_EQ(gPeriodEnd, c.last) << c.period;
    }
}

TEST_F(frmMainPeriodsTest, ACustomRangeStandsInFrontOfTheListAndIsReplacedByTheNext) {
    load();

    ASSERT_TRUE(chooseCustom(std::pair{QDate(2026, 2, 20), QDate(2026, 2, 10)})); // swapped: applied in order

    EXPECT_EQ(gPeriodStart, QDate(2026, 2, 10));
    EXPECT_EQ(gPeriodEnd, QDate(2026, 2, 20));
    EXPECT_EQ(gRangeStart, QDate(2026, 2, 10));
    EXPECT_EQ(gRangeEnd, QDate(2026, 2, 20));
    ASSERT_EQ(window->Combo2->count(), 10);
    EXPECT_EQ(window->Combo2->currentIndex(), 0);
    EXPECT_EQ(window->Combo2->itemData(0).toInt(), TimePeriods::kSavedRange);
    EXPECT_EQ(window->Combo2->itemText(0),
              TimePeriods::RangeEntryText({QDate(2026, 2, 10), QDate(2026, 2, 20)}, text(1442)));
    EXPECT_EQ(gCurrentGraph, "monthly");

    ASSERT_TRUE(chooseCustom(std::pair{QDate(2025, 7, 1), QDate(2025, 7, 31)}));
    EXPECT_EQ(window->Combo2->count(), 10);
    EXPECT_EQ(window->Combo2->itemText(0),
              TimePeriods::RangeEntryText({QDate(2025, 7, 1), QDate(2025, 7, 31)}, text(1442)));

    // Back to a standard period and to the saved range again.
    choosePeriod(TimePeriods::kLastYear);
    EXPECT_EQ(gPeriodStart, QDate(2025, 1, 1));
    window->Combo2->setCurrentIndex(0);
    EXPECT_EQ(gPeriodStart, QDate(2025, 7, 1));
    EXPECT_EQ(gPeriodEnd, QDate(2025, 7, 31));
}

TEST_F(frmMainPeriodsTest, TheDialogOpensOnThisMonthUpToTodayAndItsCloseBoxKeepsThePeriodAndItsEntry) {
    load();
    choosePeriod(TimePeriods::kLastWeek);
    QDate offeredFirst;
    QDate offeredLast;
    NextModal answer([&](QWidget &modal) {
        auto &dialog = dynamic_cast<Form1 &>(modal);
        offeredFirst = dialog.DTPicker1->date();
        offeredLast = dialog.DTPicker2->date();
        EXPECT_EQ(dialog.windowTitle(), text(1338));
        EXPECT_EQ(dialog.parentWidget(), window.get());
        dialog.close();
    });

    choosePeriod(TimePeriods::kCustom);

    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(offeredFirst, QDate(2026, 3, 1));
    EXPECT_EQ(offeredLast, QDate(2026, 3, 11));
    EXPECT_EQ(gPeriodStart, QDate(2026, 3, 2));
    EXPECT_EQ(gPeriodEnd, QDate(2026, 3, 8));
    EXPECT_EQ(window->Combo2->count(), 9);
    EXPECT_EQ(window->Combo2->currentData().toInt(), TimePeriods::kLastWeek);
}

TEST_F(frmMainPeriodsTest, ChoosingCustomAgainAfterItsWindowWasClosedOpensItAgain) {
    load();
    // The athlete picks the entry from the open list with the keyboard.
    const auto pickCustom = [this] {
        QComboBox &list = *window->Combo2;
        list.showPopup();
        list.view()->setCurrentIndex(list.model()->index(list.findData(TimePeriods::kCustom), 0));
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(list.view(), &enter);
    };
    for (int closed = 0; closed < 2; ++closed) {
        NextModal close([](QWidget &modal) { modal.close(); });
        pickCustom();
        EXPECT_TRUE(close.answered()) << closed;
    }
    NextModal accept([](QWidget &modal) {
        auto &dialog = dynamic_cast<Form1 &>(modal);
        dialog.DTPicker1->setDate(QDate(2026, 1, 5));
        dialog.DTPicker2->setDate(QDate(2026, 1, 9));
        dialog.Command1->click();
    });
    pickCustom();
    ASSERT_TRUE(accept.answered());
    EXPECT_EQ(gPeriodStart, QDate(2026, 1, 5));
    EXPECT_EQ(window->Combo2->currentData().toInt(), TimePeriods::kSavedRange);

    NextModal closeAgain([](QWidget &modal) { modal.close(); });
    pickCustom();
    ASSERT_TRUE(closeAgain.answered());
    EXPECT_EQ(window->Combo2->currentData().toInt(), TimePeriods::kSavedRange);
    EXPECT_EQ(gPeriodStart, QDate(2026, 1, 5));
}

TEST_F(frmMainPeriodsTest, TheSportOrZoneListIsRememberedPerKindAndKeptWithinTheList) {
    remember("SelectedZone", 3);
    remember("SelectedSport", 17); // more than there are sports now
    load();

    chooseGraph(2);
    EXPECT_EQ(gCurrentGraph, "graphWeeklyDistancebySport");
    ASSERT_EQ(window->Combo3->count(), 11);
    EXPECT_TRUE(window->Combo3->isVisible());
    EXPECT_EQ(window->Combo3->itemData(0).toInt(), 1);
    EXPECT_EQ(window->Combo3->currentIndex(), 10);

    window->Combo3->setCurrentIndex(1);
    EXPECT_EQ(remembered("SelectedSport"), 1);

    chooseGraph(9);
    EXPECT_EQ(gCurrentGraph, "graphTimeinZonesbyWeek");
    ASSERT_EQ(window->Combo3->count(), 5);
    EXPECT_EQ(window->Combo3->currentIndex(), 3);
    EXPECT_EQ(window->Combo3->currentData().toInt(), 4);
    EXPECT_EQ(window->Label1->text(), text(1603));

    chooseGraph(7);
    EXPECT_EQ(window->Combo3->currentIndex(), 1); // the sport's position, not the zone's
    chooseGraph(11);
    EXPECT_FALSE(window->Combo3->isVisible());
    EXPECT_FALSE(window->Label1->isVisible());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(frmMainPeriodsTest, WhileAnActivitysGraphIsShownOnlyThisMonthBringsTheSummaryBack) {
    load();
    gCurrentGraph = "session";

    choosePeriod(TimePeriods::kLastYear);
    chooseGraph(3);
    EXPECT_EQ(gCurrentGraph, "session");
    EXPECT_EQ(gPeriodStart, QDate(2025, 1, 1));

    choosePeriod(TimePeriods::kThisMonth);
    EXPECT_EQ(gCurrentGraph, "weeklyDistance");
    EXPECT_EQ(gPeriodStart, QDate(2026, 3, 1));

    gCurrentGraph = "session";
    window->lblNote_Click();
    EXPECT_EQ(gCurrentGraph, "weeklyDistance");
}

TEST_F(frmMainPeriodsTest, AFailingGraphIsReportedWithThePeriodsMessage) {
    load();
    gConn.executeScript("alter table sports rename to sports_away");

    chooseGraph(2); // fills the sports, which cannot be read: reported by the handler
    ASSERT_EQ(dialogs.shown().size(), 1u);
    choosePeriod(TimePeriods::kLastMonth);

    gConn.executeScript("alter table sports_away rename to sports");
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_TRUE(dialogs.shown()[1].text.startsWith(text(1500) + '\n'))
        << dialogs.shown()[1].text.toStdString();
    EXPECT_TRUE(dialogs.shown()[1].text.contains("no such table: sports"));
    EXPECT_EQ(dialogs.shown()[1].buttons, platform::dialogs::Buttons::Ok);
    EXPECT_EQ(gPeriodStart, QDate(2026, 2, 1)); // as far as it came
}

} // namespace
