// Storing what the activity window holds: a new activity entered by hand, or the edited one.
#include "entry/AddWorkout.h"

#include "core/Globals.h"
#include "core/modLocalisation.h"
#include "entry/EntryBox.h"
#include "mainwindow/MainWindowServices.h"
#include "platform/Dialogs.h"
#include "platform/FailureCauses.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

namespace {

constexpr int kActivityVanished = 1750;
constexpr int kChooseSport = 1751;
constexpr int kOverflowNumber = 6;

// A failure, with the OK button only.
void reportFailure(QWidget *window, const QString &text) {
    platform::dialogs::message(text, "Runvella", platform::dialogs::Icon::None,
                               platform::dialogs::Buttons::Ok, window);
}

} // namespace

ActivityEntryStore::Form AddWorkout::form() const {
    ActivityEntryStore::Form entered{
        .day = DTPicker1->date(),
        .start = DTPicker2->time(),
        .sport = Combo2->currentData().toLongLong(),
        .distance = Text2->text(),
        .distanceUnit = Combo5->currentData().toString(),
        .description = Text3->text(),
        .hours = Text4->text(),
        .minutes = Text5->text(),
        .seconds = Text7->text(),
        .zoneHours = {},
        .zoneMinutes = {},
        .averageHeartRate = txtAvgHR->text(),
        .peakHeartRate = txtMaxHR->text(),
        .averageSpeed = txtAvgSpeed->text(),
        .maximumSpeed = txtMaxSpeed->text(),
        .averageSpeedUnits = AvgSpeedUnits->currentIndex(),
        .maximumSpeedUnits = MaxSpeedUnits->currentIndex(),
        .averagePaceUnits = AvgPaceUnits->currentIndex(),
        .bestPaceUnits = BestPaceUnits->currentIndex(),
    };
    for (std::size_t zone = 0; zone < Text1.size(); ++zone) {
        entered.zoneHours[zone] = Text1[zone]->text();
        entered.zoneMinutes[zone] = Text6[zone]->text();
    }
    return entered;
}

void AddWorkout::Command4_Click() {
    if (!acceptsEveryBox())
        return;
    if (Combo2->currentIndex() < 0) {
        refuse(Combo2, kChooseSport);
        return;
    }
    const bool editing = gEditExisting;
    const ActivityEntryStore::Form entered = form();
    const ActivityEntryStore::Fields fields = editing && shown_
                                                  ? ActivityEntryStore::ChangedFields(*shown_, entered)
                                                  : ActivityEntryStore::AllFields();
    ActivityEntryStore::Row row;
    std::optional<QDate> previousDay;
    try {
        row = ActivityEntryStore::ReadForm(entered, editing, fields);
        if (editing) {
            previousDay = ActivityEntryStore::UpdateActivity(editedKey(), row, fields);
            if (!previousDay) {
                refuse(Command4, kActivityVanished);
                return;
            }
        } else {
            ActivityEntryStore::InsertActivity(row);
        }
    } catch (const ActivityEntryStore::DurationOverflow &overflow) {
        saveRefused_ = true;
        reportFailure(this, QString::number(kOverflowNumber) + ' ' + overflow.what());
        return;
    } catch (const platform::db::DbError &failure) {
        // The window stays open with what was typed, for OK to try again.
        saveRefused_ = true;
        reportFailure(this, platform::failures::describe(failure));
        return;
    }
    saved(row, previousDay);
}

// The activity is stored: the window closes even when the main window cannot show it, so that
// a second OK does not store it twice.
void AddWorkout::saved(const ActivityEntryStore::Row &row, const std::optional<QDate> &previousDay) {
    try {
        if (ActivityEntryStore::MarksDay(gEditExisting, row.day, calendarDate, previousDay))
            mainwindow::MarkActivityDay(row.day, row.day);
        mainwindow::ListCalendarSelection();
    } catch (const platform::db::DbError &failure) {
        reportFailure(this, platform::failures::describe(failure));
    }
    accept();
}
