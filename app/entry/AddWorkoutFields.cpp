// The entry boxes of the activity window: what each accepts when it is left, and what it fills
// in its partner boxes.
#include "entry/AddWorkout.h"

#include "core/modHelpersValidation.h"
#include "entry/EntryBox.h"
#include "platform/Dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>

#include <algorithm>

using EntryFields::Box;

void AddWorkout::refuse(QWidget *control, int messageId) {
    const QScopedValueRollback guard(refusing_, true);
    platform::dialogs::message(modHelpers::ValidationMessage(messageId), "Runvella",
                               platform::dialogs::Icon::Information, platform::dialogs::Buttons::Ok, this);
    control->setFocus(Qt::OtherFocusReason);
}

QString AddWorkout::trimmedText(EntryBox *box) {
    const QString trimmed = box->text().trimmed();
    if (trimmed != box->text())
        box->setText(trimmed);
    return trimmed;
}

bool AddWorkout::leaveWith(EntryBox *box, Box rule) {
    const int message = EntryFields::LeaveMessage(rule, trimmedText(box));
    if (message)
        refuse(box, message);
    return message == 0;
}

bool AddWorkout::Text2_LostFocus() {
    return leaveWith(Text2, Box::Distance);
}

bool AddWorkout::Text4_LostFocus() {
    return leaveWith(Text4, Box::Hours);
}

bool AddWorkout::Text5_LostFocus() {
    return leaveWith(Text5, Box::Minutes);
}

bool AddWorkout::Text7_LostFocus() {
    return leaveWith(Text7, Box::Seconds);
}

bool AddWorkout::txtAvgHR_LostFocus() {
    return leaveWith(txtAvgHR, Box::AverageHeartRate);
}

bool AddWorkout::txtMaxHR_LostFocus() {
    return leaveWith(txtMaxHR, Box::PeakHeartRate);
}

bool AddWorkout::Text1_LostFocus(int index) {
    return leaveWith(Text1[index], Box::ZoneTime);
}

bool AddWorkout::Text6_LostFocus(int index) {
    return leaveWith(Text6[index], Box::ZoneTime);
}

bool AddWorkout::leaveSpeed(EntryBox *speed, std::array<EntryBox *, 2> &pace) {
    const EntryFields::SpeedLeave result = EntryFields::LeaveSpeed(trimmedText(speed));
    if (result.message) {
        refuse(speed, result.message);
        return false;
    }
    if (result.speed) {
        speed->setText(*result.speed);
        pace[0]->setText(result.pace->minutes);
        pace[1]->setText(result.pace->seconds);
        settle(pace);
    }
    return true;
}

bool AddWorkout::txtAvgSpeed_LostFocus() {
    return leaveSpeed(txtAvgSpeed, txtAvgPace);
}

bool AddWorkout::txtMaxSpeed_LostFocus() {
    return leaveSpeed(txtMaxSpeed, txtBestPace);
}

// A pace box that holds no number is refused, yet the speed still follows the pace with that
// box counted as 0.
bool AddWorkout::leavePace(std::array<EntryBox *, 2> &pace, int index, EntryBox *speed, Box rule) {
    trimmedText(pace[index]);
    const EntryFields::PaceLeave result =
        EntryFields::LeavePace(pace[0]->text().trimmed(), pace[1]->text().trimmed(), rule);
    if (result.speed)
        speed->setText(*result.speed);
    settle(pace);
    if (result.message)
        refuse(pace[index], result.message);
    return result.message == 0;
}

void AddWorkout::settle(const std::array<EntryBox *, 2> &pace) {
    for (const EntryBox *box : pace)
        settledPaces_[box] = box->text();
}

// A screen reader presses OK without moving the focus, so a pace it changed was never left.
bool AddWorkout::leaveChangedPaces() {
    const auto changed = [this](const EntryBox *box) {
        return !showsStored(box) && box->text() != settledPaces_[box];
    };
    for (int index = 0; index < 2; ++index)
        if (changed(txtAvgPace[index]) && !txtAvgPace_LostFocus(index))
            return false;
    for (int index = 0; index < 2; ++index)
        if (changed(txtBestPace[index]) && !txtBestPace_LostFocus(index))
            return false;
    return true;
}

bool AddWorkout::txtAvgPace_LostFocus(int index) {
    return leavePace(txtAvgPace, index, txtAvgSpeed, EntryFields::kAveragePace[index]);
}

bool AddWorkout::txtBestPace_LostFocus(int index) {
    return leavePace(txtBestPace, index, txtMaxSpeed, EntryFields::kBestPace[index]);
}

// Writing the carried minutes back changes the box again; that run finds 59 or less.
void AddWorkout::Text6_Change(int index) {
    EntryBox *minutes = Text6[index];
    const QString trimmed = minutes->text().trimmed();
    if (trimmed != minutes->text()) {
        minutes->setText(trimmed);
        return;
    }
    const EntryFields::ZoneCarry carry =
        EntryFields::CarryZoneMinutes(Text1[index]->text().trimmed(), trimmed);
    if (carry.message) {
        minutes->selectAll();
        refuse(minutes, carry.message);
        return;
    }
    if (carry.hours) {
        Text1[index]->setText(*carry.hours);
        minutes->setText(*carry.minutes);
    }
}

void AddWorkout::AvgSpeedUnits_Click() {
    lblavgpace->setText(EntryFields::PaceUnitLabel(1588, AvgSpeedUnits->currentIndex()));
}

void AddWorkout::MaxSpeedUnits_Click() {
    lblbestpace->setText(EntryFields::PaceUnitLabel(1591, MaxSpeedUnits->currentIndex()));
}

// Enter saves without the focus leaving the box being typed in: that box is left first, and so
// is a pace changed and not left. Then every box the athlete changed is checked, for a box
// refused earlier may have been left as it was.
bool AddWorkout::acceptsEveryBox() {
    const auto focused = std::find_if(boxChecks_.begin(), boxChecks_.end(),
                                      [this](const BoxCheck &check) { return check.box == focusWidget(); });
    if (focused != boxChecks_.end() && !showsStored(focused->box) && !focused->leave())
        return false;
    if (!leaveChangedPaces())
        return false;
    for (const BoxCheck &check : boxChecks_) {
        if (showsStored(check.box))
            continue;
        if (const int message = EntryFields::LeaveMessage(check.rule, check.box->text().trimmed())) {
            refuse(check.box, message);
            return false;
        }
    }
    return true;
}
