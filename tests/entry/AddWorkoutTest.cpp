#include "entry/AddWorkout.h"
#include "analysis/frmStats.h"
#include "common/DatabaseFaults.h"
#include "common/ScriptedDialogs.h"
#include "core/ActivityIcons.h"
#include "core/LocaleScope.h"
#include "core/modLocalisation.h"
#include "entry/DailyData.h"
#include "entry/EntryBox.h"
#include "entry/EntryWindows.h"
#include "entry/frmDailyData.h"
#include "mainwindow/frmMain.h"
#include "platform/FailureCauses.h"
#include "platform/Paths.h"
#include "transfer/ActivityFixture.h"

#include <QAccessible>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCharFormat>
#include <QTimeEdit>
#include <QTimer>
#include <QTreeWidget>

#include <map>

namespace {

using platform::dialogs::Icon;

const QDate kDay(2026, 3, 14);

// Keys as the keyboard sends them to the control with the focus.
void press(QWidget *control, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
           const QString &text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(control, &event);
}

void type(QWidget *box, const QString &text) {
    for (const QChar typed : text)
        press(box, typed.toUpper().unicode(), Qt::NoModifier, typed);
}

// A box's text and the message that refuses it.
struct Refusal {
    EntryBox *box;
    const char *text;
    const char *message;
};

// The entry window over a main window whose calendar shows kDay.
class AddWorkoutTest : public ActivityFixture {
protected:
    void SetUp() override {
        ActivityFixture::SetUp();
        gMainForm = &main;
        main.MonthView1->setSelectedDate(kDay);
        gPrimarySport = 1;
        gPrimaryUnit = "mi";
        gEditExisting = false;
        gUseSmoothing = false;
    }
    void TearDown() override {
        gMainForm = nullptr;
        gEditExisting = false;
        gCurrentSessionKey = 0;
        gPrimaryUnit.clear();
        ActivityFixture::TearDown();
    }

    std::unique_ptr<AddWorkout> open(bool editing, SessionKey key = 0) {
        gEditExisting = editing;
        gCurrentSessionKey = key;
        auto window = std::make_unique<AddWorkout>(&main);
        window->show();
        window->activateWindow();
        return window;
    }

    // The athlete leaves the box for the next control.
    static void leave(QWidget *box) {
        QFocusEvent left(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &left);
    }

    bool dayIsBold(const QDate &day) const {
        return main.MonthView1->dateTextFormat(day).fontWeight() == QFont::Bold;
    }

    const LocaleScope english{QLocale(QLocale::English, QLocale::UnitedStates)};
    frmMain main;
    testing::ScriptedDialogs dialogs;
};

TEST_F(AddWorkoutTest, ANewActivityStartsOnTheCalendarsDayInThePreferredUnits) {
    gPrimaryUnit = "nm";
    const auto window = open(false);
    EXPECT_EQ(window->windowTitle(), "Activity");
    EXPECT_EQ(window->DTPicker1->date(), kDay);
    EXPECT_LE(std::abs(window->DTPicker2->time().secsTo(QTime::currentTime())), 5);
    for (QComboBox *units :
         {window->AvgSpeedUnits, window->MaxSpeedUnits, window->AvgPaceUnits, window->BestPaceUnits})
        EXPECT_EQ(units->currentIndex(), 2) << units->objectName().toStdString();
    EXPECT_EQ(window->MaxSpeedUnits->currentText(), "kts");
    EXPECT_EQ(window->lblavgpace->text(), "mm:ss/nm");
    EXPECT_EQ(window->Combo5->currentText(), "nm");
    EXPECT_EQ(window->Combo2->currentData().toLongLong(), 1);
    EXPECT_EQ(window->Text2->text(), "0");
    EXPECT_TRUE(window->cmdStats->isHidden());
    EXPECT_FALSE(window->btnComputeZone->isEnabled());
    EXPECT_TRUE(window->lblAscentData->isHidden());
    EXPECT_EQ(window->Command4->text(), "OK");
    EXPECT_EQ(window->lblZones[0]->text(), "Z1: 95-113");
    EXPECT_EQ(window->Label2->text(), "(hh:mm:ss)");
}

TEST_F(AddWorkoutTest, AScreenReaderNamesEachBoxAfterTheCaptionOfItsLine) {
    const auto window = open(false);
    // A drop-down list is named by its current entry and labelled by its caption.
    const auto name = [](QWidget *box) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        if (!qobject_cast<QComboBox *>(box))
            return accessible->text(QAccessible::Name);
        const auto labels = accessible->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
    };
    const struct {
        QWidget *box;
        QString name;
    } cases[] = {
        {window->DTPicker1, "Date:"},
        {window->DTPicker2, "Start Time:"},
        {window->Combo2, "Sport:"},
        {window->Text2, "Distance:"},
        {window->Text4, "Duration:"},
        {window->Text5, "Duration: mm"},
        {window->Text7, "Duration: ss"},
        {window->Text3, "Description:"},
        {window->txtAvgHR, "Avg HR:"},
        {window->txtMaxHR, "Peak HR:"},
        {window->txtAvgSpeed, "Avg Speed:"},
        {window->txtAvgPace[0], "Avg Pace:"},
        {window->txtAvgPace[1], "Avg Pace: ss"},
        {window->Text1[4], "Z5: 171-190"},
        {window->Text6[4], "Z5: 171-190 mm"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(name(c.box), c.name) << c.box->objectName().toStdString();
}

TEST_F(AddWorkoutTest, EditingShowsTheStoredActivity) {
    const SessionKey key = addActivity(5, 3723, 5.1236, "km", "2026-03-09 07:05:09");
    gConn
        .prepare(
            "update sessions set time_zone2 = 5400, avg_speed = 7.5, max_speed = 0, avg_Speed_Units = 1, "
            "Description = 'Long run' where prkey = ?")
        .bind(1, key)
        .execute();
    std::vector<SampleRow> altitudes;
    for (const auto &[time, altitude] :
         std::initializer_list<std::pair<double, double>>{{0, 100}, {4, 110}, {8, 130}, {12, 120}, {16, 90}})
        altitudes.push_back({.time = time, .type = 2, .altitude = altitude});
    testing::storeSamples(gConn, key, altitudes);

    auto window = open(true, key);
    EXPECT_EQ(window->windowTitle(), "Edit");
    EXPECT_EQ(window->DTPicker1->date(), QDate(2026, 3, 9));
    EXPECT_EQ(window->DTPicker2->time(), QTime(7, 5, 9));
    EXPECT_EQ(window->Text4->text() + "|" + window->Text5->text() + "|" + window->Text7->text(), "1|2|3");
    EXPECT_EQ(window->Text1[1]->text() + "|" + window->Text6[1]->text(), "1|30");
    EXPECT_EQ(window->Text1[0]->text() + "|" + window->Text6[0]->text(), "0|10");
    EXPECT_EQ(window->Text1[3]->text() + "|" + window->Text6[3]->text(), "|");
    EXPECT_EQ(window->txtAvgPace[0]->text() + "|" + window->txtAvgPace[1]->text(), "08|00");
    EXPECT_EQ(window->txtBestPace[0]->text() + "|" + window->txtBestPace[1]->text(), "00|00");
    EXPECT_EQ(window->txtAvgHR->text(), "140");
    EXPECT_EQ(window->Text2->text(), "5.124");
    EXPECT_EQ(window->Combo5->currentText(), "km");
    EXPECT_EQ(window->Text3->text(), "Long run");
    EXPECT_EQ(window->AvgSpeedUnits->currentIndex(), 1);
    EXPECT_EQ(window->lblavgpace->text(), "mm:ss/km");
    EXPECT_FALSE(window->cmdStats->isHidden());
    EXPECT_FALSE(window->btnComputeZone->isEnabled());
    EXPECT_FALSE(window->lblAscentData->isHidden());
    EXPECT_EQ(window->lblAscentData->text(), "16 feet");
    EXPECT_EQ(window->lblDescentData->text(), "10 feet");

    gPrimaryUnit = "km";
    window = open(true, key);
    EXPECT_EQ(window->lblAscentData->text(), "4.9 meters");
    EXPECT_EQ(window->lblDescentData->text(), "3 meters");
}

TEST_F(AddWorkoutTest, AHeartRateOnlyActivityOffersTheRecomputeOfItsZones) {
    const SessionKey key = addActivity(0, 600);
    addHeartRate(key, 30, 120); // zone 2, 60 s
    auto window = open(true, key);
    EXPECT_TRUE(window->cmdStats->isHidden());
    EXPECT_TRUE(window->btnComputeZone->isEnabled());
    EXPECT_TRUE(window->lblTotalAscent->isHidden());

    window->btnComputeZone->click();
    EXPECT_EQ(column(key, "time_zone2"), 60);
    EXPECT_EQ(window->Text6[1]->text(), "1");
}

TEST_F(AddWorkoutTest, BoxesTakeOnlyTheirKeysAndLength) {
    const auto window = open(false);
    window->Text2->clear();
    type(window->Text2, "1.5.,,7");
    EXPECT_EQ(window->Text2->text(), "1.5,7");
    type(window->txtAvgHR, "1a2-3 4");
    EXPECT_EQ(window->txtAvgHR->text(), "123");
    // Every decimal box takes one "." and one ","; one the locale does not read is refused when
    // the box is left, never dropped.
    type(window->txtAvgSpeed, "1..2,");
    EXPECT_EQ(window->txtAvgSpeed->text(), "1.2,");
    type(window->txtMaxSpeed, "12,5");
    EXPECT_EQ(window->txtMaxSpeed->text(), "12,5");
    type(window->Text4, "123");
    EXPECT_EQ(window->Text4->text(), "12");
    window->Text4->selectAll();
    type(window->Text4, "7");
    EXPECT_EQ(window->Text4->text(), "7");
    // A stored figure is shown whole, longer than a typed one may be.
    window->txtMaxSpeed->setText("6.234567");
    EXPECT_EQ(window->txtMaxSpeed->text(), "6.234567");

    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    window->txtMaxSpeed->clear();
    type(window->txtMaxSpeed, "8,1.2");
    EXPECT_EQ(window->txtMaxSpeed->text(), "8,1.2");
}

TEST_F(AddWorkoutTest, APasteThatDoesNotFitIsRefusedWholeWithTheBoxsMessage) {
    const auto window = open(false);
    const Refusal cases[] = {
        {window->Text4, "1.5", "Please enter a positive whole number"},
        {window->Text5, "125", "Please enter a value less than 60"},
        {window->txtAvgHR, "0150", "Please enter a whole number from 0 to 300 for Average Heart Rate."},
    };
    for (const auto &c : cases) {
        c.box->setText("1");
        c.box->setFocus();
        QApplication::clipboard()->setText(c.text);
        press(c.box, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(c.box->text(), "1") << c.text;
        ASSERT_FALSE(dialogs.shown().empty()) << c.text;
        EXPECT_EQ(dialogs.shown().back().text, c.message);
        EXPECT_EQ(window->focusWidget(), c.box) << c.text;
    }
    // Blanks around a paste go, as leaving the box drops them.
    const std::size_t shown = dialogs.shown().size();
    for (const char *pasted : {"45", " 7 "}) {
        window->Text5->selectAll();
        QApplication::clipboard()->setText(pasted);
        press(window->Text5, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(window->Text5->text(), QString(pasted).trimmed());
    }
    EXPECT_EQ(dialogs.shown().size(), shown);
}

TEST_F(AddWorkoutTest, OkChecksEveryBoxAndStoresNothingUntilAllPass) {
    const auto window = open(false);
    const Refusal cases[] = {
        {window->Text4, "25", "Please enter a value less than 24"},
        {window->Text4, "1.5", "Please enter a positive whole number"},
        {window->Text7, "-5", "Please enter a whole number from 0 to 59."},
        {window->Text2, "1e308",
         "Please enter a number from 0 to 99999, with \".\" as the decimal separator."},
        {window->txtBestPace[1], "100",
         "Please enter the pace as minutes from 0 to 999 and seconds from 0 to 99."},
    };
    const auto enterInTheMinutes = [&] {
        window->Text5->setFocus();
        press(window->Text5, Qt::Key_Return);
    };
    for (const auto &c : cases) {
        c.box->setText(c.text);
        enterInTheMinutes();
        ASSERT_FALSE(dialogs.shown().empty()) << c.text;
        EXPECT_EQ(dialogs.shown().back().text, c.message);
        EXPECT_EQ(window->focusWidget(), c.box) << c.text;
        EXPECT_EQ(activityCount(), 0);
        c.box->clear();
    }
    enterInTheMinutes();
    EXPECT_EQ(activityCount(), 1);
}

TEST_F(AddWorkoutTest, ARefusedBoxShowsItsMessageAndGetsTheFocusBack) {
    const auto window = open(false);
    const Refusal cases[] = {
        {window->Text4, "24", "Please enter a value less than 24"},
        {window->Text7, "60", "Please enter a value less than 60"},
        {window->txtAvgHR, "301", "Please enter a whole number from 0 to 300 for Average Heart Rate."},
        {window->txtMaxHR, "9e9", "Please enter a whole number from 0 to 300 for Max Heart Rate."},
        {window->Text2, "-1", "Please enter a number from 0 to 99999, with \".\" as the decimal separator."},
        {window->txtAvgSpeed, "12,5",
         "Please enter a number from 0 to 99999, with \".\" as the decimal separator."},
        {window->txtAvgPace[0], "x", "Please enter only a whole number for Pace"},
    };
    for (const auto &c : cases) {
        c.box->setText(c.text);
        const std::size_t before = dialogs.shown().size();
        leave(c.box);
        ASSERT_EQ(dialogs.shown().size(), before + 1) << c.text;
        EXPECT_EQ(dialogs.shown().back().text, c.message);
        EXPECT_EQ(dialogs.shown().back().icon, Icon::Information);
        EXPECT_EQ(window->focusWidget(), c.box) << c.text;
        EXPECT_EQ(c.box->text(), c.text);
        c.box->clear();
    }
    window->Text4->setText(" 23 ");
    leave(window->Text4);
    EXPECT_EQ(window->Text4->text(), "23");
    window->Text5->clear();
    const std::size_t shown = dialogs.shown().size();
    leave(window->Text5);
    EXPECT_EQ(dialogs.shown().size(), shown);
}

TEST_F(AddWorkoutTest, SpeedAndPaceFollowEachOtherAndZoneMinutesCarry) {
    const auto window = open(false);
    window->txtAvgSpeed->setText("13");
    leave(window->txtAvgSpeed);
    EXPECT_EQ(window->txtAvgPace[0]->text() + ":" + window->txtAvgPace[1]->text(), "04:36");
    leave(window->txtAvgPace[1]);
    EXPECT_EQ(window->txtAvgSpeed->text(), "13.04");

    window->txtMaxSpeed->setText("8.125");
    leave(window->txtMaxSpeed);
    EXPECT_EQ(window->txtMaxSpeed->text(), "8.12");

    window->Text1[2]->setText("2");
    type(window->Text6[2], "75");
    EXPECT_EQ(window->Text1[2]->text() + ":" + window->Text6[2]->text(), "3:15");
    type(window->Text6[0], "59");
    EXPECT_EQ(window->Text1[0]->text() + ":" + window->Text6[0]->text(), ":59");
    EXPECT_TRUE(dialogs.shown().empty());

    window->AvgSpeedUnits->setCurrentIndex(1);
    EXPECT_EQ(window->lblavgpace->text(), "mm:ss/km");
    EXPECT_EQ(window->txtAvgSpeed->text(), "13.04"); // a unit change converts nothing
}

// OK pressed without leaving a pace box (as a screen reader presses it) takes the speed from
// the pace as leaving the box would; a pace filled from a speed leaves that speed as it is.
TEST_F(AddWorkoutTest, OkTakesTheSpeedFromAPaceThatWasNotLeft) {
    const auto window = open(false);
    window->txtAvgPace[0]->setText("7");
    window->txtAvgPace[1]->setText("30");
    window->txtMaxSpeed->setText("13");
    leave(window->txtMaxSpeed);
    ASSERT_EQ(window->txtBestPace[0]->text() + ":" + window->txtBestPace[1]->text(), "04:36");

    window->Command4->click();

    EXPECT_TRUE(dialogs.shown().empty());
    ASSERT_EQ(activityCount(), 1);
    EXPECT_EQ(column(gConn.lastInsertId(), "avg_speed"), 8);
    EXPECT_EQ(column(gConn.lastInsertId(), "max_speed"), 13);
}

TEST_F(AddWorkoutTest, SavingANewActivityListsItAndMarksItsDay) {
    auto window = open(false);
    window->DTPicker1->setDate(kDay);
    window->DTPicker2->setTime(QTime(7, 45, 10));
    window->Text2->setText("10.5");
    window->Text4->setText("1");
    window->Text1[1]->setText("2");
    window->Text6[1]->setText("30");
    window->Command4->click();

    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    ASSERT_EQ(activityCount(), 1);
    const SessionKey key = gConn.lastInsertId();
    EXPECT_EQ(textOf(key, "Session_datetime"), "2026-03-14 07:45:10");
    EXPECT_EQ(column(key, "time_zone2"), 9000);
    EXPECT_TRUE(dayIsBold(kDay));
    ASSERT_EQ(main.ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(main.ListView1->topLevelItem(0)->data(0, kActivityIconRole).toInt(), 1);

    // Saved for another month: nothing turns bold, the calendar's day is listed again.
    window = open(false);
    window->DTPicker1->setDate(QDate(2026, 4, 2));
    window->Command4->click();
    EXPECT_EQ(activityCount(), 2);
    EXPECT_FALSE(dayIsBold(QDate(2026, 4, 2)));
    EXPECT_EQ(main.ListView1->topLevelItemCount(), 1);
}

// A save stopped by another program's lock or a full disk stores nothing, says why in a
// sentence above the engine's text, and keeps the window with what was typed; OK then saves it.
TEST_F(AddWorkoutTest, AFailedSaveKeepsTheWindowAndARetryStoresTheDayAlone) {
    modLocalisation::LocalizeFailureCauses();
    const QString description(6000, 'd'); // more than a page: the save needs the disk to grow
    const struct {
        const char *fault;
        std::function<std::shared_ptr<void>()> apply;
        int sentence;
    } cases[] = {
        {"another program",
         [] { return std::make_shared<testing::OtherProgramsLock>(platform::paths::databasePath()); }, 1940},
        {"full disk", [] { return std::make_shared<testing::FullDisk>(gConn); }, 1941},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fault);
        testing::ScriptedDialogs dialogs;
        gConn.executeScript("delete from sessions");
        const auto window = open(false);
        window->DTPicker1->setDate(kDay);
        window->DTPicker2->setTime(QTime(18, 30, 0));
        window->Text3->setText(description);
        {
            const auto fault = c.apply();
            window->Command4->click();
        }

        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_TRUE(dialogs.shown()[0].text.startsWith(modLocalisation::LoadResString(c.sentence) + "\n\n"))
            << dialogs.shown()[0].text.toStdString();
        EXPECT_EQ(dialogs.shown()[0].icon, Icon::None);
        EXPECT_EQ(dialogs.shown()[0].title, "Runvella");
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->Text3->text(), description);
        EXPECT_EQ(activityCount(), 0);

        window->Command4->click();
        EXPECT_FALSE(window->isVisible());
        const SessionKey key = gConn.lastInsertId();
        EXPECT_EQ(textOf(key, "session_date"), "2026-03-14");
        EXPECT_EQ(textOf(key, "Session_datetime"), "2026-03-14 18:30:00");
        EXPECT_EQ(activityCount(), 1);
    }
    platform::failures::setCauseTexts({});
}

TEST_F(AddWorkoutTest, EditingStoresTheSameValuesAndAVanishedActivityIsReported) {
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    const SessionKey key = addActivity(99, 600, 3, "mi", "2026-03-14 07:00:00");
    auto window = open(true, key);
    window->txtMaxHR->setText("150");
    window->txtAvgSpeed->setText("12,5");
    window->Text2->clear();
    window->Text1[0]->clear();
    window->Text6[0]->clear();
    window->Command4->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(column(key, "max_HR"), 150);
    EXPECT_EQ(column(key, "avg_speed"), 12.5);
    EXPECT_EQ(column(key, "Distance"), 3);
    EXPECT_EQ(textOf(key, "time_zone1"), "0.0"); // a zone emptied by the athlete
    EXPECT_EQ(textOf(key, "time_zone3"), "");    // a zone left empty stays without a value
    EXPECT_TRUE(dayIsBold(kDay));

    window = open(true, key);
    gConn.prepare("delete from sessions where prkey = ?").bind(1, key).execute();
    window->Command4->click();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text,
              "This activity was deleted while it was open. Your changes were not saved.");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(activityCount(), 0);
}

// What the athlete leaves as it was shown keeps its stored value exactly, empty included: zone
// seconds the boxes show as hours and minutes, a fraction of a second, empty speeds and units,
// a heart rate beyond what the box takes.
TEST_F(AddWorkoutTest, AnUnchangedEditLeavesTheRowByteForByte) {
    const SessionKey key = addActivity(5, 3723.6, 5.1236, "km");
    gConn
        .prepare(
            "update sessions set time_zone1 = 62, time_zone2 = 162, time_zone3 = 2722, time_zone4 = 2036, "
            "avg_speed = null, max_speed = null, avg_Speed_Units = null, max_pace_units = null, "
            "Description = null, max_HR = 310 where prkey = ?")
        .bind(1, key)
        .execute();
    const auto row = [key] {
        std::map<QString, QString> values;
        for (const QString &name : gConn.tableColumns("sessions")) {
            auto value =
                gConn.prepare(("select quote(" + name + ") from sessions where prkey = ?").toStdString());
            value.bind(1, key);
            EXPECT_TRUE(value.step());
            values[name] = value.columnText(0);
        }
        return values;
    };
    const auto before = row();

    auto window = open(true, key);
    for (EntryBox *box : window->findChildren<EntryBox *>()) {
        box->setFocus();
        leave(box);
    }
    window->Command4->click();
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(row(), before);

    // A change writes what was changed alone.
    window = open(true, key);
    window->txtAvgHR->setText("141");
    window->Text6[1]->setText("3");
    window->Command4->click();
    auto expected = before;
    expected["avg_HR"] = "141.0";
    expected["time_zone2"] = "180.0";
    EXPECT_EQ(row(), expected);
}

TEST_F(AddWorkoutTest, AfterARefusedSaveLeavingAsksFirst) {
    const auto window = open(false);
    {
        const testing::OtherProgramsLock lock(platform::paths::databasePath());
        window->Command4->click();
    }
    ASSERT_EQ(dialogs.shown().size(), 1u);
    dialogs.answer(platform::dialogs::Answer::No);
    press(window.get(), Qt::Key_Escape);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[1].text,
              "Your changes could not be saved. Close the window without saving them?");
    EXPECT_TRUE(window->isVisible());

    dialogs.answer(platform::dialogs::Answer::Yes);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(activityCount(), 0);
}

TEST_F(AddWorkoutTest, EnterChecksTheBoxBeingTypedInBeforeSaving) {
    const auto window = open(false);
    window->Text4->setFocus();
    window->Text4->setText("24");
    press(window->Text4, Qt::Key_Return);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Please enter a value less than 24");
    EXPECT_EQ(activityCount(), 0);

    window->Text4->setText("2");
    press(window->Text4, Qt::Key_Return);
    EXPECT_EQ(activityCount(), 1);
    EXPECT_EQ(column(gConn.lastInsertId(), "Duration"), 7200);
}

TEST_F(AddWorkoutTest, WithoutASportNothingIsSaved) {
    gPrimarySport = 42;
    const auto window = open(false);
    EXPECT_EQ(window->Combo2->currentIndex(), -1);
    window->Command4->click();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Please choose a sport.");
    EXPECT_EQ(activityCount(), 0);
}

TEST_F(AddWorkoutTest, AltF4InADatePickerClosesWithoutSaving) {
    const auto window = open(false);
    press(window->DTPicker2, Qt::Key_F4, Qt::AltModifier);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(activityCount(), 0);
}

TEST_F(AddWorkoutTest, CancelClosesWithoutStoringEvenWhileABoxIsRefused) {
    const auto window = open(false);
    window->Text4->setText("24");
    leave(window->Text4);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(window->Command5->focusPolicy(), Qt::NoFocus);
    window->Command5->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(activityCount(), 0);
}

TEST_F(AddWorkoutTest, DailyDataOpensForThePickedDay) {
    const QDate picked(2026, 3, 7);
    const auto window = open(false);
    window->DTPicker1->setDate(picked);
    QString caption;
    QTimer::singleShot(0, [&] {
        auto *daily = qobject_cast<frmDailyData *>(QApplication::activeModalWidget());
        ASSERT_NE(daily, nullptr);
        caption = daily->Frame1->title();
        daily->txtWeight->setText("70.5");
        daily->Command1->click();
    });
    QTimer::singleShot(5000, [] {
        if (auto *daily = qobject_cast<frmDailyData *>(QApplication::activeModalWidget()))
            daily->reject();
    });
    window->cmdDailyData->click();
    EXPECT_EQ(caption, "Daily Data for " + QLocale().toString(picked, QLocale::ShortFormat));
    EXPECT_EQ(DailyData::Read(picked), (DailyData::Measures{70.5, std::nullopt}));
}

// As the main window's Record command opens it: the launcher shows it modally over the main
// window, and the saved activity appears in the main window's list with its icon.
TEST_F(AddWorkoutTest, TheLauncherOpensTheWindowAndTheSavedActivityIsListed) {
    const auto openWindow = [] {
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *window = qobject_cast<AddWorkout *>(widget); window && window->isVisible())
                return window;
        return static_cast<AddWorkout *>(nullptr);
    };
    bool saved = false;
    QTimer::singleShot(0, [&] {
        AddWorkout *window = openWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isModal());
        EXPECT_EQ(window->parentWidget(), &main);
        window->Text3->setText("Easy run");
        window->Text5->setText("45");
        window->Command4->click();
        saved = true;
    });
    QTimer::singleShot(5000, [&] { // never leave the test waiting on a window
        if (AddWorkout *window = openWindow())
            window->reject();
    });
    gEditExisting = false;
    entry::showAddWorkout(gMainForm);

    EXPECT_TRUE(saved);
    ASSERT_EQ(main.ListView1->topLevelItemCount(), 1);
    const QTreeWidgetItem *line = main.ListView1->topLevelItem(0);
    EXPECT_EQ(line->text(2), "Easy run");
    EXPECT_EQ(line->data(0, kActivityIconRole).toInt(), 1);
    EXPECT_FALSE(line->icon(0).isNull());
    EXPECT_EQ(column(gConn.lastInsertId(), "Duration"), 2700);
}

TEST_F(AddWorkoutTest, TheStatsCommandShowsTheCourseStatisticsOfTheEditedActivity) {
    const SessionKey key = addActivity(5, 360, 1.5);
    addSpeed(key, 150, 1, 6, 0.01);
    auto window = open(true, key);
    QStringList markers;
    QTimer answer; // goes with the test when no window opened
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto *statistics = qobject_cast<frmStats *>(QApplication::activeModalWidget());
        ASSERT_NE(statistics, nullptr);
        EXPECT_EQ(statistics->parentWidget(), window.get());
        for (int row = 0; row < statistics->lstStats->rowCount(); ++row)
            markers << statistics->lstStats->item(row, 0)->text();
        statistics->cmdOK->click();
    });
    answer.start(0);
    window->cmdStats->click();
    EXPECT_EQ(markers, QStringList({"Start", "1", "End"}));
}

} // namespace
