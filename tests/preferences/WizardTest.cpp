#include "preferences/WizardAge.h"
#include "preferences/frmWizard1.h"

#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"
#include "core/modLocalisation.h"
#include "core/modPreferences.h"
#include "preferences/PreferencesWindows.h"
#include "preferences/ZoneRule.h"
#include "transfer/ModalResponder.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>

#include <memory>

namespace {

using preferences::CheckWizardAge;

TEST(WizardAge, AgesGiveTheirMaximumAndTheOutOfRangeOnesAreRefused) {
    const struct {
        const char *text;
        bool refused;
        int age;
        int maximum;
    } cases[] = {{"30", false, 30, 190},   {"40", false, 40, 180}, {"", false, 50, 170},
                 {"abc", false, 50, 170},  {"1", false, 1, 219},   {"110", false, 110, 110},
                 {"0", true, 30, 190},     {"111", true, 30, 190}, {"99999999999", true, 30, 190},
                 {"30.4", false, 30, 190}, {"0.4", true, 30, 190}};
    for (const auto &c : cases) {
        const preferences::WizardAge age = CheckWizardAge(c.text);
        EXPECT_EQ(age.refused, c.refused) << c.text;
        EXPECT_EQ(age.age, c.age) << c.text;
        EXPECT_EQ(age.maximum, c.maximum) << c.text;
    }
}

class WizardTest : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        modPreferences::LoadPreferences();
    }
    void TearDown() override {
        page.reset();
        DatabaseFixture::TearDown();
    }

    frmWizard1 &open() {
        page = std::make_unique<frmWizard1>();
        page->show();
        return *page;
    }

    static void typeAndLeave(QLineEdit *box, const QString &text) {
        box->setText(text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &out);
        QCoreApplication::processEvents();
    }

    HeartRateZones storedZones() {
        auto row = gConn.prepare("select * from zones");
        EXPECT_TRUE(row.step());
        HeartRateZones zones;
        for (int zone = 0; zone < 5; ++zone) {
            zones.low[zone] = int(row.columnInt64(2 * zone));
            zones.high[zone] = int(row.columnInt64(2 * zone + 1));
        }
        return zones;
    }

    // The zones that the preferences window's rule gives for the same age.
    static HeartRateZones dialogZones(const char *age) {
        return preferences::RunZoneRule(preferences::ZoneMode::FromAge, age, "")->zones;
    }

    testing::ScriptedDialogs dialogs;
    std::unique_ptr<frmWizard1> page;
};

TEST_F(WizardTest, EachAgeStoresItsMaximumAndTheDialogsZones) {
    frmWizard1 &wizard = open();
    EXPECT_EQ(wizard.txtAge->text(), "30");
    const struct {
        const char *typed;
        const char *age;
        int maximum;
    } cases[] = {{"30", "30", 190}, {"40", "40", 180}, {"", "50", 170}};
    for (const auto &c : cases) {
        typeAndLeave(wizard.txtAge, c.typed);
        EXPECT_EQ(scalar("select age from person"), QString(c.age).toInt()) << c.typed;
        EXPECT_EQ(scalar("select max_hr from person"), c.maximum) << c.typed;
        EXPECT_EQ(storedZones(), dialogZones(c.age)) << c.typed;
    }
    EXPECT_EQ(storedZones().low[2], 119) << "70 % of 170 is 119";
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(WizardTest, AnAgeOutOfRangeIsRefusedOnceAndHoldsTheFirstNext) {
    for (const char *typed : {"0", "111"}) {
        frmWizard1 &wizard = open();
        typeAndLeave(wizard.txtAge, typed);

        EXPECT_EQ(wizard.txtAge->text(), "30") << typed;
        EXPECT_EQ(scalar("select age from person"), 30) << typed;
        EXPECT_EQ(scalar("select max_hr from person"), 190) << typed;

        wizard.Command2->click();
        EXPECT_TRUE(wizard.isVisible()) << typed;
        EXPECT_EQ(wizard.focusWidget(), wizard.txtAge) << typed;

        typeAndLeave(wizard.txtAge, wizard.txtAge->text());
        wizard.Command2->click();
        EXPECT_FALSE(wizard.isVisible()) << typed;
        EXPECT_EQ(wizard.result(), QDialog::Accepted) << typed;
    }
    ASSERT_EQ(dialogs.shown().size(), 2u);
    for (const auto &shown : dialogs.shown())
        EXPECT_EQ(shown.text, modLocalisation::LoadResString(1618));
}

// A screen reader presses Next or Close without the focus leaving the age box first.
TEST_F(WizardTest, AnAgeTypedAndNotLeftIsCheckedWhenAButtonIsPressed) {
    const struct {
        const char *typed;
        bool next; // else Close
        int storedAge;
        bool stays;
    } cases[] = {{"45", true, 45, false}, {"40", false, 40, false}, {"0", true, 30, true}};
    for (const auto &c : cases) {
        frmWizard1 &wizard = open();
        wizard.txtAge->setText(c.typed);
        (c.next ? wizard.Command2 : wizard.Command1)->click();
        EXPECT_EQ(scalar("select age from person"), c.storedAge) << c.typed;
        EXPECT_EQ(wizard.isVisible(), c.stays) << c.typed;
    }
    ASSERT_EQ(dialogs.shown().size(), 1u) << "only the age out of range is refused";
    EXPECT_EQ(dialogs.shown().front().text, modLocalisation::LoadResString(1618));
}

TEST_F(WizardTest, OpensOnTheStoredChoicesAndStoresEachNewOneAtOnce) {
    gConn.executeScript("update preferences set Primary_Unit = 'km';"
                        "insert into weeklyData (theweek, time_target) values ('2003-01-06', 3600)");
    modPreferences::LoadPreferences();
    frmWizard1 &wizard = open();
    EXPECT_TRUE(wizard.Units[1]->isChecked());
    EXPECT_TRUE(wizard.WeekStarts[0]->isChecked());
    EXPECT_EQ(wizard.Combo1->currentText(), "General");
    EXPECT_EQ(wizard.Combo1->count(), 11) << "the shipped sports";

    wizard.Units[0]->click();
    EXPECT_EQ(gPrimaryUnit, "mi");
    EXPECT_EQ(scalar("select Primary_Unit = 'mi' from preferences"), 1);

    wizard.Combo1->setCurrentIndex(1);
    emit wizard.Combo1->activated(1);
    EXPECT_EQ(scalar("select Primary_Sport from preferences"), 2);
    EXPECT_EQ(gPrimarySport, 2);

    wizard.WeekStarts[1]->click();
    EXPECT_EQ(gStartOfWeek, "Sunday");
    EXPECT_EQ(scalar("select Start_of_Week = 'Sunday' from preferences"), 1);
    EXPECT_EQ(scalar("select count(*) from weeklyData where theweek = '2003-01-05' and time_target = 3600"),
              1)
        << "the goal moves to its week's new first day";
}

TEST_F(WizardTest, NextLeadsToTheLastPageAndCloseEndsTheWizard) {
    {
        testing::ModalResponder windows;
        windows.thenClick("Command2");
        windows.thenClick("Command2");
        preferences::showSetupWizard(nullptr);
        EXPECT_EQ(windows.shown(), (QStringList{"frmWizard1", "frmWizard3"}));
    }
    testing::ModalResponder closing;
    closing.thenClick("Command1");
    preferences::showSetupWizard(nullptr);
    EXPECT_EQ(closing.shown(), QStringList{"frmWizard1"});
}

} // namespace
