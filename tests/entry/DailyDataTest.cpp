#include "entry/DailyData.h"
#include "common/DatabaseFaults.h"
#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"
#include "core/LocaleScope.h"
#include "entry/EntryBox.h"
#include "entry/frmDailyData.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using DailyData::Box;
using DailyData::Measures;

const QDate kDay(2026, 3, 7);

TEST(DailyDataValidation, WeightAndRestingPulseAnswerWithTheirMessages) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        const char *weight;
        const char *pulse;
        std::vector<int> messages;
        Box focus;
        Measures measures;
    } cases[] = {
        {"", "", {}, Box::None, {}},
        {"72.5", "", {}, Box::None, {72.5, std::nullopt}},
        {"", "55", {}, Box::None, {std::nullopt, 55}},
        {"0", "300", {}, Box::None, {0, 300}},
        {"99999", "", {}, Box::None, {99999, std::nullopt}},
        {"abc", "", {1860}, Box::Weight, {}},
        {"-1", "", {1860}, Box::Weight, {}},
        {"1e308", "", {1860}, Box::Weight, {}},
        {"12,5", "", {1860}, Box::Weight, {}},
        {"", "55.5", {1867}, Box::RestingPulse, {}},
        {"", "301", {1867}, Box::RestingPulse, {}},
        {"", "abc", {1867}, Box::RestingPulse, {}},
        {"", "-1", {1867}, Box::RestingPulse, {}},
        {"abc", "301", {1860, 1867}, Box::RestingPulse, {}},
    };
    for (const auto &c : cases) {
        const DailyData::Validation validation = DailyData::Validate(c.weight, c.pulse);
        EXPECT_EQ(validation.messages, c.messages) << c.weight << " / " << c.pulse;
        EXPECT_EQ(validation.focus, c.focus) << c.weight << " / " << c.pulse;
        if (validation.accepted()) {
            EXPECT_EQ(validation.measures, c.measures) << c.weight << " / " << c.pulse;
        }
    }
}

class DailyDataTest : public DatabaseFixture {
protected:
    std::int64_t rows() { return scalar("select count(*) from dailydata"); }
    QString storedDay() {
        auto query = gConn.prepare("select theday from dailydata");
        EXPECT_TRUE(query.step());
        return query.columnText(0);
    }
};

TEST_F(DailyDataTest, OneRowPerDayWhereAnEmptyMeasureKeepsTheStoredOne) {
    EXPECT_FALSE(DailyData::Read(kDay));
    DailyData::Store(kDay, {std::nullopt, 55});
    EXPECT_EQ(DailyData::Read(kDay), (Measures{std::nullopt, 55}));
    DailyData::Store(kDay, {72.5, std::nullopt});
    EXPECT_EQ(DailyData::Read(kDay), (Measures{72.5, 55}));
    DailyData::Store(kDay, {});
    EXPECT_EQ(DailyData::Read(kDay), (Measures{72.5, 55}));
    DailyData::Store(kDay.addDays(1), {80, std::nullopt});
    EXPECT_EQ(DailyData::Read(kDay.addDays(1)), (Measures{80, std::nullopt}));
    EXPECT_EQ(rows(), 2);
}

TEST_F(DailyDataTest, TheWindowShowsTheDayAndStoresWhatIsAccepted) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    testing::ScriptedDialogs dialogs;
    DailyData::Store(kDay, {std::nullopt, 55});
    {
        frmDailyData window(kDay);
        EXPECT_EQ(window.windowTitle(), "Enter Daily Data");
        EXPECT_EQ(window.Frame1->title(), "Daily Data for " + QLocale().toString(kDay, QLocale::ShortFormat));
        EXPECT_EQ(window.txtWeight->text(), "");
        EXPECT_EQ(window.txtRestingHR->text(), "55");
        window.txtWeight->setText(" 72.5 ");
        window.txtRestingHR->setText("");
        window.Command1->click();
        EXPECT_EQ(window.result(), QDialog::Accepted);
    }
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(DailyData::Read(kDay), (Measures{72.5, 55}));
    EXPECT_EQ(storedDay(), "2026-03-07");
}

TEST_F(DailyDataTest, BothBoxesWrongShowTwoMessagesAndStoreNothing) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    testing::ScriptedDialogs dialogs;
    frmDailyData window(kDay);
    window.show();
    window.activateWindow();
    window.txtWeight->setText("abc");
    window.txtRestingHR->setText("301");
    window.Command1->click();

    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text,
              "Please enter a number from 0 to 99999, with \".\" as the decimal separator.");
    EXPECT_EQ(dialogs.shown()[1].text, "Please enter a whole number from 0 to 300 for Resting Heart Rate.");
    EXPECT_EQ(dialogs.shown()[0].icon, platform::dialogs::Icon::Information);
    EXPECT_EQ(window.focusWidget(), window.txtRestingHR);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(rows(), 0);

    window.txtWeight->setText("-1");
    window.txtRestingHR->setText("");
    window.Command1->click();
    ASSERT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[2].text, dialogs.shown()[0].text);

    window.txtWeight->setText("");
    window.Command1->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(rows(), 1); // a row that holds only the day
}

TEST_F(DailyDataTest, ABoxStillShowingTheStoredValueKeepsItExactly) {
    testing::ScriptedDialogs dialogs;
    gConn.executeScript("insert into dailydata (theday, weight, restingpulse) values ('2026-03-07', "
                        "72.123456789012345, 1e308)");
    const auto stored = [this] {
        auto row = gConn.prepare("select quote(weight), quote(restingpulse) from dailydata");
        EXPECT_TRUE(row.step());
        return row.columnText(0) + " " + row.columnText(1);
    };
    const QString before = stored();
    frmDailyData window(kDay);
    window.Command1->click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(stored(), before);
}

// A lasting failure never keeps the athlete in the window: after a refused save, leaving asks
// first; OK still stores once the other program lets go.
TEST_F(DailyDataTest, AfterARefusedSaveLeavingAsksAndOkTriesAgain) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString question = "Your changes could not be saved. Close the window without saving them?";
    testing::ScriptedDialogs dialogs;
    const auto escape = [](QWidget *window) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(window, &key);
    };
    frmDailyData window(kDay);
    window.show();
    window.txtWeight->setText("70");
    testing::OtherProgramsLock lock(platform::paths::databasePath());
    window.Command1->click();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(window.isVisible());

    dialogs.answer(platform::dialogs::Answer::No);
    escape(&window);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].text, question);
    EXPECT_EQ(dialogs.shown()[1].buttons, platform::dialogs::Buttons::YesNo);
    EXPECT_TRUE(window.isVisible());

    lock.release();
    window.Command1->click();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(DailyData::Read(kDay), (Measures{70, std::nullopt}));

    frmDailyData refused(kDay.addDays(1));
    refused.show();
    refused.txtWeight->setText("71");
    testing::OtherProgramsLock again(platform::paths::databasePath());
    refused.Command1->click();
    dialogs.answer(platform::dialogs::Answer::Yes);
    refused.close();
    EXPECT_EQ(dialogs.shown().back().text, question);
    EXPECT_FALSE(refused.isVisible());
    again.release();
    EXPECT_FALSE(DailyData::Read(kDay.addDays(1)));
}

TEST_F(DailyDataTest, APasteThatDoesNotFitIsRefusedWhole) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    testing::ScriptedDialogs dialogs;
    frmDailyData window(kDay);
    window.show();
    window.txtRestingHR->insertPasted("55.5");
    window.txtWeight->insertPasted("72.555");
    EXPECT_EQ(window.txtRestingHR->text(), "");
    EXPECT_EQ(window.txtWeight->text(), "");
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text, "Please enter a whole number from 0 to 300 for Resting Heart Rate.");
    EXPECT_EQ(dialogs.shown()[1].text,
              "Please enter a number from 0 to 99999, with \".\" as the decimal separator.");
    EXPECT_EQ(window.focusWidget(), window.txtWeight);
}

} // namespace
