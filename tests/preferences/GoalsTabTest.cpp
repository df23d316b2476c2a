#include "preferences/frmOptions.h"

#include "LibraryState.h"
#include "common/LinkedDeviceLibrary.h"
#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"
#include "core/DeviceLibrary.h"
#include "core/LocaleScope.h"
#include "core/modHelpersDates.h"
#include "core/modHelpersValidation.h"
#include "core/modLocalisation.h"
#include "core/modPreferences.h"
#include "logger/SimulatedRecorder.h"
#include "protocol/Protocol.h"
#include "transport/TransportFactory.h"
#include "upload/OfflineImage.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace {

using modLocalisation::LoadResString;
using platform::dialogs::Answer;

// The Goals tab and the recorder functions of the preferences window, with weeks starting on
// Monday and the recorder simulated.
class GoalsTabTest : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        // The main window adds the altitude goal to every database before this window can open.
        gConn.executeScript("alter table weeklyData add totalAltitude number");
        modPreferences::LoadPreferences();
        gCurrentGraph = "summary";
        logger::setTransportFactory([r = recorder] { return r; });
        logger::setOfflineImageFolder(imageFolder.path());
        logger::loadLibraryState();
        DeviceLibrary::installForTesting(&library, QString());
    }
    void TearDown() override {
        window.reset();
        DeviceLibrary::restoreForTesting();
        logger::setTransportFactory({});
        logger::setOfflineImageFolder({});
        logger::loadLibraryState();
        DatabaseFixture::TearDown();
    }

    frmOptions &open() {
        window = std::make_unique<frmOptions>();
        window->show();
        return *window;
    }

    // Types the text into the box and leaves it, as Tab does.
    static void typeAndLeave(QLineEdit *box, const QString &text) {
        box->setText(text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &out);
        QCoreApplication::processEvents();
    }

    QStringList texts() const {
        QStringList shown;
        for (const auto &request : dialogs.shown())
            shown << request.text;
        return shown;
    }

    std::int64_t rows() { return scalar("select count(*) from weeklyData"); }

    testing::ScriptedDialogs dialogs;
    std::unique_ptr<frmOptions> window;
    DeviceLibrary::Exports library = testing::linkedLibrary();
    std::shared_ptr<testing::SimulatedRecorder> recorder = std::make_shared<testing::SimulatedRecorder>();
    QTemporaryDir imageFolder;
};

TEST_F(GoalsTabTest, OpensOnThisWeekAndAPickedDayShowsItsWeeksGoals) {
    gConn.executeScript("insert into weeklyData (theweek, time_target, totalDistance, totalAltitude, "
                        "TimeInZone1, TimeInZone2, TimeInZone3, TimeInZone4, TimeInZone5) "
                        "values ('2003-01-06', 5400, 12.345000267028809, 300, 1800, 0, 0, 0, 86340)");
    frmOptions &options = open();
    EXPECT_EQ(options.DTPicker1->date(), modHelpers::GetWeekStart(QDate::currentDate()));
    for (QLineEdit *box : {options.Text4[0], options.Text4[1], options.txtTotalDistance, options.txtZone5[1]})
        EXPECT_EQ(box->text(), "0") << box->objectName().toStdString();
    EXPECT_EQ(options.lblUnits->text(), "mi");
    EXPECT_EQ(options.lblUnits2->text(), "ft");
    EXPECT_TRUE(options.Label7->text().startsWith(LoadResString(1644)));

    options.DTPicker1->setDate(QDate(2003, 1, 8));

    EXPECT_EQ(options.DTPicker1->date(), QDate(2003, 1, 6));
    EXPECT_EQ(options.Text4[0]->text(), "1");
    EXPECT_EQ(options.Text4[1]->text(), "30");
    EXPECT_EQ(options.txtTotalDistance->text(), shownDecimal("12.35"));
    EXPECT_EQ(options.txtTotalAltitude->text(), "300");
    EXPECT_EQ(options.txtZone1[1]->text(), "30");
    EXPECT_EQ(options.txtZone5[0]->text(), "23");
    EXPECT_EQ(options.txtZone5[1]->text(), "59");
}

TEST_F(GoalsTabTest, UpAndDownMoveAWeekAtATimeAndATypedDayGoesToItsWeek) {
    frmOptions &options = open();
    QDateEdit *picker = options.DTPicker1;
    picker->setDate(QDate(2003, 1, 6));
    picker->setFocus();
    const auto press = [picker](int key, const QString &text = {}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(picker, &event);
    };

    press(Qt::Key_Up);
    EXPECT_EQ(picker->date(), QDate(2003, 1, 13));
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(picker->date(), QDate(2002, 12, 30));

    picker->setDate(QDate(2003, 1, 6));
    picker->setSelectedSection(QDateTimeEdit::DaySection);
    press(Qt::Key_2, "2");
    press(Qt::Key_2, "2");
    press(Qt::Key_Return);
    EXPECT_EQ(picker->date(), QDate(2003, 1, 20));
}

TEST_F(GoalsTabTest, EachBoxIsCheckedAndStoredWhenItIsLeft) {
    frmOptions &options = open();
    options.DTPicker1->setDate(QDate(2003, 1, 6));
    const auto stored = [this](const char *column) {
        return scalar((std::string("select ifnull(") + column + ", -1) from weeklyData").c_str());
    };

    options.Text4[0]->clear();
    typeAndLeave(options.Text4[1], "30");
    EXPECT_EQ(rows(), 0) << "the activity time needs both of its boxes";
    typeAndLeave(options.txtZone2[1], " 30 ");
    EXPECT_EQ(options.txtZone2[1]->text(), "30");
    EXPECT_EQ(stored("TimeInZone2"), 1800);

    typeAndLeave(options.Text4[0], "24");
    EXPECT_EQ(stored("time_target"), 0);
    typeAndLeave(options.Text4[0], "2");
    EXPECT_EQ(stored("time_target"), 9000);

    typeAndLeave(options.txtZone1[0], "24");
    typeAndLeave(options.txtZone1[0], "");
    EXPECT_EQ(stored("TimeInZone1"), 0);

    typeAndLeave(options.txtTotalDistance, "-3");
    typeAndLeave(options.txtTotalDistance, "12.5");
    EXPECT_EQ(stored("totalDistance * 10"), 125);
    typeAndLeave(options.txtTotalAltitude, "1e308");
    typeAndLeave(options.txtTotalAltitude, "1500");
    EXPECT_EQ(stored("totalAltitude"), 1500);

    const QString range = modHelpers::ValidationMessage(1860);
    EXPECT_EQ(texts(), (QStringList{LoadResString(1508) + " 23", LoadResString(1615), range, range}));
    EXPECT_EQ(rows(), 1);
}

TEST_F(GoalsTabTest, TheCopySaysGoalsSavedOnlyWhenAllTwelveWeeksWereWritten) {
    frmOptions &options = open();
    options.DTPicker1->setDate(QDate(2003, 1, 6));
    options.Text4[0]->setText("5");
    options.txtZone3[1]->setText("45");

    options.Command6->click();

    EXPECT_EQ(texts(), QStringList{LoadResString(1467)});
    EXPECT_EQ(rows(), 12);
    EXPECT_EQ(scalar("select count(*) from weeklyData where time_target = 18000 and TimeInZone3 = 2700"), 12);
    EXPECT_EQ(scalar("select max(theweek) = '2003-03-24' from weeklyData"), 1);

    gConn.executeScript("delete from weeklyData; create trigger refuse before insert on weeklyData when "
                        "new.theweek = '2003-02-10' begin select raise(abort, 'disk is full'); end");
    options.Command6->click();

    EXPECT_EQ(texts().mid(1), QStringList{LoadResString(1521) + "\ndisk is full"});
    EXPECT_EQ(rows(), 0);
}

// The copy pressed without leaving a box (as a screen reader presses it) checks the box as
// leaving it would: a refused box gets its message and the focus back, and no week is written.
TEST_F(GoalsTabTest, TheCopyRefusesWhatABoxRefusesWhenItIsLeft) {
    frmOptions &options = open();
    options.DTPicker1->setDate(QDate(2003, 1, 6));
    const struct {
        QLineEdit *box;
        const char *text;
        QString message;
    } refused[] = {
        {options.txtZone3[0], "99", LoadResString(1615)},
        {options.Text4[1], "75", LoadResString(1508) + " 59"},
        {options.txtTotalDistance, "1e308", modHelpers::ValidationMessage(1860)},
    };
    // Leaving a box stores what it shows, so the shown week may hold its zeros.
    const auto written = [this] {
        return scalar("select count(*) from weeklyData where theweek <> '2003-01-06' or "
                      "time_target + totalDistance + TimeInZone3 > 0");
    };
    for (const auto &c : refused) {
        c.box->setText(c.text);
        options.Command6->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(texts().last(), c.message) << c.text;
        EXPECT_EQ(options.focusWidget(), c.box) << c.text;
        EXPECT_EQ(written(), 0) << c.text;
        c.box->setText("0"); // as the week was shown
    }

    for (const auto &c : refused)
        c.box->setText("1");
    options.Command6->click();
    EXPECT_EQ(texts().last(), LoadResString(1467));
    EXPECT_EQ(scalar("select count(*) from weeklyData where TimeInZone3 = 3600 and time_target = 60 and "
                     "totalDistance = 1"),
              12);
}

TEST_F(GoalsTabTest, TheRecorderFunctionsShowAfterARightClickOnTheAltitudeCaption) {
    frmOptions &options = open();
    EXPECT_TRUE(options.fraRecorder->isHidden());

    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(options.Label7, &release);

    EXPECT_FALSE(options.fraRecorder->isHidden());
}

TEST_F(GoalsTabTest, AnsweringNoToClearingSendsNothingToTheRecorder) {
    frmOptions &options = open();
    dialogs.answer(Answer::No);
    options.Command4->click();
    ASSERT_EQ(texts(), QStringList{LoadResString(1515)});
    EXPECT_EQ(dialogs.shown()[0].title, "Velko Data Recorder");
    EXPECT_TRUE(recorder->frames().empty());

    dialogs.answer(Answer::Yes);
    options.Command4->click();
    EXPECT_EQ(texts().mid(1), (QStringList{LoadResString(1515), LoadResString(1517)}));
    EXPECT_EQ(recorder->framesOfCommand(logger::kClearMemory).size(), 1u);

    options.Command3->click();
    EXPECT_EQ(texts().last(), LoadResString(1504));
    EXPECT_EQ(recorder->framesOfCommand(logger::kSetClock).size(), 1u);
}

} // namespace
