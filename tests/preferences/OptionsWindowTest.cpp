#include "common/DatabaseFaults.h"
#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"
#include "core/modLocalisation.h"
#include "core/modPreferences.h"
#include "core/modRegistry.h"
#include "platform/FailureCauses.h"
#include "preferences/PreferenceStore.h"
#include "preferences/frmOptions.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>
#include <memory>

namespace {

using platform::dialogs::Answer;

class OptionsWindowTest : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        // The main window adds the altitude goal to every database before this window can open.
        gConn.executeScript("alter table weeklyData add totalAltitude number");
        modPreferences::LoadPreferences();
        gCurrentGraph = "summary";
        gShownSessionKey = 0;
    }
    void TearDown() override {
        window.reset();
        platform::failures::setCauseTexts({});
        DatabaseFixture::TearDown();
    }

    frmOptions &open() {
        window = std::make_unique<frmOptions>();
        window->show();
        return *window;
    }

    // The focus leaves a box for the next control, as Tab moves it.
    static void leave(QWidget *box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &out);
        QCoreApplication::processEvents();
    }

    // The string id of each message shown: the longest text that the message starts with.
    std::vector<int> messages() const {
        std::vector<int> ids;
        for (const auto &request : dialogs.shown()) {
            int best = 0;
            for (int id = 1300; id <= 1999; ++id) {
                const QString text = modLocalisation::LoadResString(id);
                if (!text.isEmpty() && request.text.startsWith(text) &&
                    (best == 0 || text.size() > modLocalisation::LoadResString(best).size()))
                    best = id;
            }
            ids.push_back(best);
        }
        return ids;
    }

    testing::ScriptedDialogs dialogs;
    std::unique_ptr<frmOptions> window;
};

TEST_F(OptionsWindowTest, TheGoalsCommandShowsOnlyTheGoalsTab) {
    frmOptions &options = open();
    options.ShowGoalsOnly();
    int visible = 0;
    for (int tab = 0; tab < options.SSTab2->count(); ++tab)
        visible += options.SSTab2->isTabVisible(tab) ? 1 : 0;
    EXPECT_EQ(visible, 1);
    EXPECT_EQ(options.SSTab2->currentIndex(), frmOptions::GoalsTab);
    EXPECT_EQ(options.SSTab2->tabText(frmOptions::GoalsTab), modLocalisation::LoadResString(1630));
}

TEST_F(OptionsWindowTest, OnlyOkLeavesTheWindow) {
    frmOptions &options = open();
    EXPECT_FALSE(options.windowFlags() & Qt::WindowCloseButtonHint);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&options, &escape);
    options.close();
    EXPECT_TRUE(options.isVisible());
    options.cmdOK->click();
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(options.result(), QDialog::Accepted);
}

TEST_F(OptionsWindowTest, AnEmptyOrBlankZoneBoxKeepsTheWindowOpenAndRedrawsNothing) {
    frmOptions &options = open();
    gCurrentGraph = "session";
    gShownSessionKey = 7;
    gPrimaryUnit = "not reloaded";

    for (const char *blank : {"", "   "}) {
        options.hrzone2[1]->setText(blank);
        options.cmdOK->click();
        EXPECT_TRUE(options.isVisible()) << '"' << blank << '"';
        EXPECT_EQ(options.focusWidget(), options.hrzone2[1]);
    }
    EXPECT_EQ(messages(), (std::vector<int>{1505, 1505}));
    EXPECT_EQ(dialogs.shown().at(0).icon, platform::dialogs::Icon::None);
    EXPECT_EQ(gShownSessionKey, 7);
    EXPECT_EQ(gPrimaryUnit, "not reloaded");
}

TEST_F(OptionsWindowTest, HiddenZoneBoxesAndAMissingZonesRowNeverHoldTheWindow) {
    gConn.executeScript("delete from zones");
    frmOptions &options = open();
    EXPECT_EQ(options.hrzone5->text(), "0") << "the zones in force are shown";
    options.ShowGoalsOnly();
    options.hrzone2[1]->clear();
    gCurrentGraph = "session";
    gShownSessionKey = 7;

    options.cmdOK->click();

    EXPECT_FALSE(options.isVisible());
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(gShownSessionKey, 0) << "the activity's graph is to be drawn anew";
    EXPECT_EQ(scalar("select count(*) from zones"), 1);
}

TEST_F(OptionsWindowTest, TheSpliceBoxIsTheInverseOfTheStoredAnswer) {
    modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "AlwaysAskSplice", "D", 1);
    open();
    EXPECT_FALSE(window->chkAskSplice->isChecked());
    window->cmdOK->click();
    EXPECT_FALSE(preferences::AskSpliceIsChecked());

    open();
    window->chkAskSplice->setChecked(true);
    window->cmdOK->click();
    EXPECT_TRUE(preferences::AskSpliceIsChecked());
}

TEST_F(OptionsWindowTest, AnEmptyPersonRowGivesZonesFromMaximum220) {
    gConn.executeScript("delete from person; update preferences set computeZonesUsing = 'Age'");
    modPreferences::LoadPreferences();
    frmOptions &options = open();
    EXPECT_EQ(options.txtAge->text(), "0");
    EXPECT_EQ(options.txtMaxHR->text(), "0");

    options.cmdOK->click();

    EXPECT_EQ(numbers("select age, max_hr from person"), (std::vector<double>{0, 220}));
    EXPECT_EQ(numbers("select zone1low, zone3low, zone5low, zone5high from zones"),
              (std::vector<double>{110, 154, 198, 220}));
}

TEST_F(OptionsWindowTest, ZonesEnteredByHandAreSavedAsTyped) {
    gConn.executeScript("update preferences set computeZonesUsing = 'man'");
    modPreferences::LoadPreferences();
    frmOptions &options = open();
    EXPECT_FALSE(options.txtAge->isEnabled());
    EXPECT_FALSE(options.txtMaxHR->isEnabled());
    const char *typed[] = {"80", "99", "100", "119", "120", "139", "140", "159", "160"};
    QLineEdit *boxes[] = {options.hrzone1[0], options.hrzone1[1], options.hrzone2[0],
                          options.hrzone2[1], options.hrzone3[0], options.hrzone3[1],
                          options.hrzone4[0], options.hrzone4[1], options.hrzone5};
    for (int i = 0; i < 9; ++i)
        boxes[i]->setText(typed[i]);
    options.txtMaxHR->setText("185");

    options.cmdOK->click();

    EXPECT_EQ(numbers("select * from zones"),
              (std::vector<double>{80, 99, 100, 119, 120, 139, 140, 159, 160, 185}));
}

// Another program holds the database: the pace box left and OK say so and that what was typed
// waits for OK, the window stays open with it, and OK saves it all once the other program has
// let go.
TEST_F(OptionsWindowTest, WhatCannotBeSavedKeepsTheWindowOpenForOkToTryAgain) {
    gConn.executeScript("update preferences set computeZonesUsing = 'man'");
    modPreferences::LoadPreferences();
    modLocalisation::LocalizeFailureCauses();
    frmOptions &options = open();
    {
        testing::OtherProgramsLock otherProgram(platform::paths::databasePath());
        options.Text1[0]->setText("6");
        options.Text1[1]->setText("25");
        leave(options.Text1[1]);
        options.hrzone1[0]->setText("80");
        options.cmdOK->click();
    }
    EXPECT_TRUE(options.isVisible());
    EXPECT_EQ(options.hrzone1[0]->text(), "80");
    const QString waits = modLocalisation::LoadResString(1490) + '\n' + modLocalisation::LoadResString(1869) +
                          "\n\ndatabase is locked";
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text, waits);
    EXPECT_EQ(dialogs.shown()[1].text, waits);

    options.cmdOK->click();
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(numbers("select zone1low from zones"), std::vector<double>{80});
    EXPECT_EQ(numbers("select Pace_Min, Pace_Max from preferences"), (std::vector<double>{6, 25}));
}

// Another program holds the database while the athlete chooses: each choice says that it was
// not saved and stays on show, and OK stores them all once the other program has let go. The
// goal typed while weeks started on Monday moves with the new first day.
TEST_F(OptionsWindowTest, ChoicesTheDatabaseRefusedStayOnShowAndOkStoresThem) {
    modLocalisation::LocalizeFailureCauses();
    frmOptions &options = open();
    const QDate monday = options.DTPicker1->date();
    {
        testing::OtherProgramsLock otherProgram(platform::paths::databasePath());
        options.Units[1]->click();
        options.WeekStarts[1]->click();
        options.chkAlwaysClear->click();
        options.OptionComputeZones[2]->click();
        options.txtTotalDistance->setText("12.5");
        leave(options.txtTotalDistance);
        options.cmdOK->click();
    }
    EXPECT_TRUE(options.isVisible());
    EXPECT_EQ(messages(), std::vector<int>(6, 1490));
    EXPECT_EQ(options.lblUnits->text(), "km");

    options.cmdOK->click();

    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(gPrimaryUnit, "km");
    EXPECT_EQ(gStartOfWeek, "Sunday");
    EXPECT_EQ(numbers("select alwaysClearDR, computeZonesUsing = 'man' from preferences"),
              (std::vector<double>{1, 1}));
    const std::string sunday = monday.addDays(-1).toString(Qt::ISODate).toStdString();
    EXPECT_EQ(numbers("select totalDistance from weeklyData where theweek = '" + sunday + "'"),
              std::vector<double>{12.5});
    open();
    EXPECT_TRUE(window->Units[1]->isChecked());
    EXPECT_TRUE(window->WeekStarts[1]->isChecked());
}

// After a save the database refused, Escape and closing the window ask whether to leave without
// saving; leaving stores nothing of what waited. The goals command's window leaves the same way
// when OK could not save the zones.
TEST_F(OptionsWindowTest, AfterARefusedSaveEscapeOrClosingAsksAndLeavesWithoutSaving) {
    modLocalisation::LocalizeFailureCauses();
    const auto escape = [](frmOptions &options) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(&options, &key);
    };
    {
        testing::OtherProgramsLock otherProgram(platform::paths::databasePath());
        frmOptions &options = open();
        options.Units[1]->click();
        dialogs.answer(Answer::No);
        escape(options);
        EXPECT_TRUE(options.isVisible());
        dialogs.answer(Answer::Yes);
        options.close();
        EXPECT_FALSE(options.isVisible());
        EXPECT_EQ(options.result(), QDialog::Rejected);
    }
    EXPECT_EQ(scalar("select Primary_Unit = 'mi' from preferences"), 1);
    EXPECT_EQ(gPrimaryUnit, "mi");

    testing::OtherProgramsLock otherProgram(platform::paths::databasePath());
    frmOptions &goals = open();
    goals.ShowGoalsOnly();
    goals.cmdOK->click();
    EXPECT_TRUE(goals.isVisible());
    dialogs.answer(Answer::Yes);
    escape(goals);
    EXPECT_FALSE(goals.isVisible());
    EXPECT_EQ(messages(), (std::vector<int>{1490, 1990, 1990, 1490, 1990}));
}

// OK pressed without leaving a box (as a screen reader presses it) checks the box as leaving it
// would: its message, its tab brought forward with the focus in it, and nothing stored.
TEST_F(OptionsWindowTest, OkRefusesWhatABoxRefusesWhenItIsLeft) {
    const struct {
        const char *what;
        std::function<QLineEdit *(frmOptions &)> box;
        const char *text;
        int message;
    } cases[] = {
        {"zone bound", [](frmOptions &o) { return o.hrzone3[1]; }, "300", 1911},
        {"age", [](frmOptions &o) { return o.txtAge; }, "300", 1618},
        {"pace", [](frmOptions &o) { return o.Text1[1]; }, "100", 1912},
        {"pace order", [](frmOptions &o) { return o.Text1[1]; }, "3", 1507},
        {"activity hours", [](frmOptions &o) { return o.Text4[0]; }, "24", 1508},
        {"zone minutes", [](frmOptions &o) { return o.txtZone2[1]; }, "60", 1616},
    };
    const auto stored = [this] {
        return std::vector{numbers("select * from zones"), numbers("select age, max_hr from person"),
                           numbers("select Pace_Min, Pace_Max from preferences"),
                           numbers("select count(*) from weeklyData")};
    };
    const auto before = stored();
    std::size_t shown = 0;
    for (const auto &c : cases) {
        frmOptions &options = open();
        QLineEdit *box = c.box(options);
        box->setText(c.text);
        options.cmdOK->click();
        QCoreApplication::processEvents();

        EXPECT_TRUE(options.isVisible()) << c.what;
        ASSERT_EQ(messages().size(), ++shown) << c.what;
        EXPECT_EQ(messages().back(), c.message) << c.what;
        EXPECT_EQ(options.focusWidget(), box) << c.what;
        EXPECT_EQ(options.SSTab2->currentWidget()->isAncestorOf(box), true) << c.what;
    }
    EXPECT_EQ(stored(), before);

    // The maximum box, disabled while the zones follow the age, cannot be mended: it gets its
    // stored text back, and the next OK goes on.
    frmOptions &options = open();
    options.txtMaxHR->setText("300");
    options.cmdOK->click();
    ASSERT_EQ(messages().size(), ++shown);
    EXPECT_EQ(messages().back(), 1617);
    EXPECT_EQ(options.txtMaxHR->text(), "190");
    options.cmdOK->click();
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(numbers("select max_hr from person"), std::vector<double>{190});
}

TEST_F(OptionsWindowTest, ComputingTheZonesChecksTheirBoxesFirst) {
    gConn.executeScript("update preferences set computeZonesUsing = 'man'");
    modPreferences::LoadPreferences();
    frmOptions &options = open();
    const auto zones = numbers("select * from zones");
    options.hrzone3[1]->setText("300");
    options.Command2->click();
    options.Command7->click();
    EXPECT_EQ(messages(), (std::vector<int>{1911, 1911}));
    EXPECT_EQ(numbers("select * from zones"), zones);
}

// Goals typed and not left are stored by OK, and kept even when a box after them is refused.
TEST_F(OptionsWindowTest, OkStoresGoalsTypedButNotLeft) {
    frmOptions &options = open();
    options.txtTotalDistance->setText("12.5");
    options.Text4[0]->setText("2");
    options.txtZone1[0]->setText("24");
    options.cmdOK->click();
    EXPECT_TRUE(options.isVisible());
    EXPECT_EQ(numbers("select totalDistance, time_target from weeklyData"),
              (std::vector<double>{12.5, 7200}));

    options.txtZone1[0]->setText("1");
    options.cmdOK->click();
    EXPECT_FALSE(options.isVisible());
    EXPECT_EQ(numbers("select TimeInZone1 from weeklyData"), std::vector<double>{3600});
    EXPECT_EQ(messages(), std::vector<int>{1615});
}

TEST_F(OptionsWindowTest, LeavingTheAgeBoxOutOfRangeSaysSoAndResetsIt) {
    frmOptions &options = open();
    for (const char *age : {"111", "0"}) {
        options.txtAge->setText(age);
        leave(options.txtAge);
        EXPECT_EQ(options.txtAge->text(), "30") << age;
    }
    EXPECT_EQ(messages(), (std::vector<int>{1618, 1618}));
}

TEST_F(OptionsWindowTest, PaceBoxesStoreAValidRangeWhenLeft) {
    frmOptions &options = open();
    const auto enter = [&options](const char *fastest, const char *slowest) {
        options.Text1[0]->setText(fastest);
        options.Text1[1]->setText(slowest);
        leave(options.Text1[1]);
    };
    enter("5", "20");
    EXPECT_EQ(numbers("select Pace_Min, Pace_Max from preferences"), (std::vector<double>{5, 20}));
    EXPECT_EQ(gPaceMax, 20.0f);
    enter("8", "8");
    enter("5", "100");
    EXPECT_EQ(messages(), (std::vector<int>{1507, 1912}));
    EXPECT_EQ(numbers("select Pace_Min, Pace_Max from preferences"), (std::vector<double>{5, 20}));
}

TEST_F(OptionsWindowTest, ChangingTheFirstDayOfTheWeekMovesTheGoals) {
    gConn.executeScript("insert into weeklyData (theweek, time_target) values ('2003-01-06', 3600), "
                        "('2003-01-13', 7200)");
    frmOptions &options = open();
    ASSERT_TRUE(options.WeekStarts[0]->isChecked());

    options.WeekStarts[1]->click();
    EXPECT_EQ(gStartOfWeek, "Sunday");
    EXPECT_EQ(options.DTPicker1->date().dayOfWeek(), Qt::Sunday);
    EXPECT_EQ(scalar("select count(*) from weeklyData where theweek in ('2003-01-05', '2003-01-12')"), 2);

    options.WeekStarts[0]->click();
    EXPECT_EQ(gStartOfWeek, "Monday");
    EXPECT_EQ(scalar("select count(*) from weeklyData where theweek in ('2003-01-06', '2003-01-13')"), 2);
}

TEST_F(OptionsWindowTest, ApplyingZonesToAllActivitiesWithABlankBoxAsksNothing) {
    gConn.executeScript("update preferences set computeZonesUsing = 'man'");
    modPreferences::LoadPreferences();
    frmOptions &options = open();
    options.hrzone3[1]->setText("  ");
    options.Command7->click();
    EXPECT_EQ(messages(), std::vector<int>{1505});
    EXPECT_EQ(dialogs.shown().at(0).icon, platform::dialogs::Icon::Information);
    EXPECT_EQ(options.focusWidget(), options.hrzone3[1]);
}

TEST_F(OptionsWindowTest, TabFromOkGoesToTheFirstControlOfTheGoalsTab) {
    frmOptions &options = open();
    options.SSTab2->setCurrentIndex(frmOptions::GoalsTab);
    options.cmdOK->setFocus();
    leave(options.cmdOK);
    EXPECT_EQ(options.focusWidget(), options.DTPicker1);
}

} // namespace
