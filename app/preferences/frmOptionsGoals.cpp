#include "preferences/frmOptions.h"

#include "core/NumericBox.h"
#include "core/modHelpersDates.h"
#include "core/modHelpersValidation.h"
#include "platform/FailureCauses.h"
#include "platform/ReportedFailures.h"
#include "preferences/GoalBoxes.h"
#include "preferences/Messages.h"
#include "preferences/OptionControls.h"
#include "preferences/WeekPicker.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using platform::dialogs::Buttons;
using platform::dialogs::Icon;
using preferences::Text;

// A label between the hours and minutes boxes, showing the user's time separator.
QLabel *separatorLabel(QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName("lblTimeSeparator");
    return label;
}

QString hoursMinutesCaption() {
    return '(' + Text(1587) + modHelpers::GetTimeSeparator() + Text(1588) + ')';
}

void sayRefusal(const preferences::GoalRefusal &refusal, QWidget *parent) {
    QString message = modHelpers::ValidationMessage(refusal.messageId);
    if (!refusal.suffix.isEmpty())
        message += ' ' + refusal.suffix;
    platform::dialogs::message(message, "Runvella", Icon::Information, Buttons::Ok, parent);
}

} // namespace

QWidget *frmOptions::buildGoalsTab() {
    auto *page = new QWidget;
    Frame4 = named(new QGroupBox(page), "Frame4", 1461);
    auto *grid = new QGridLayout(Frame4);

    DTPicker1 = named(new WeekPicker(Frame4), "DTPicker1");
    DTPicker1->setCalendarPopup(true);
    auto *weekOf = named(new QLabel(Frame4), "lblWeekOf", 1462);
    weekOf->setBuddy(DTPicker1);
    grid->addWidget(weekOf, 0, 0);
    grid->addWidget(DTPicker1, 0, 1, 1, 3);

    const auto addTimeRow = [&](std::array<QLineEdit *, 2> &boxes, const char *name, int row,
                                const QString &caption) {
        for (int index = 0; index < 2; ++index)
            boxes[index] = preferences::NumberBox(Frame4, name, index);
        // Screen readers name the boxes after their row, the minutes box with its "mm" too.
        boxes[0]->setAccessibleName(caption);
        boxes[1]->setAccessibleName(caption + ' ' + Text(1588));
        grid->addWidget(boxes[0], row, 1);
        grid->addWidget(separatorLabel(Frame4), row, 2);
        grid->addWidget(boxes[1], row, 3);
    };
    grid->addWidget(named(new QLabel(Frame4), "lblActivityTime", 1463), 1, 0);
    addTimeRow(Text4, "Text4", 1, Text(1463));
    Label3 = named(new QLabel(Frame4), "Label3");
    grid->addWidget(Label3, 1, 4);

    txtTotalDistance = preferences::NumberBox(Frame4, "txtTotalDistance");
    auto *distance = named(new QLabel(Frame4), "lblDistance", 1464);
    distance->setBuddy(txtTotalDistance);
    grid->addWidget(distance, 2, 0);
    grid->addWidget(txtTotalDistance, 2, 1, 1, 3);
    lblUnits = named(new QLabel(Frame4), "lblUnits");
    grid->addWidget(lblUnits, 2, 4);

    Label7 = named(new QLabel(Frame4), "Label7");
    grid->addWidget(Label7, 3, 0);
    txtTotalAltitude = preferences::NumberBox(Frame4, "txtTotalAltitude");
    Label7->setBuddy(txtTotalAltitude);
    grid->addWidget(txtTotalAltitude, 3, 1, 1, 3);
    lblUnits2 = named(new QLabel(Frame4), "lblUnits2");
    grid->addWidget(lblUnits2, 3, 4);

    grid->addWidget(named(new QLabel(Frame4), "lblTimeInZone", 1465), 4, 0);
    Label19 = named(new QLabel(Frame4), "Label19");
    grid->addWidget(Label19, 4, 1, 1, 4);
    const char *zoneNames[] = {"txtZone1", "txtZone2", "txtZone3", "txtZone4", "txtZone5"};
    const auto zones = zoneTimeBoxes();
    for (int zone = 0; zone < preferences::kGoalZones; ++zone) {
        const int row = 5 + zone;
        grid->addWidget(new QLabel(QString::number(zone + 1), Frame4), row, 0, Qt::AlignRight);
        addTimeRow(*zones[zone], zoneNames[zone], row, Text(1465) + ' ' + QString::number(zone + 1));
    }

    Command6 = named(new QPushButton(Frame4), "Command6", 1466);
    grid->addWidget(Command6, 10, 0, 1, 5);
    grid->setColumnStretch(5, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Frame4);
    layout->addStretch();
    return page;
}

std::array<std::array<QLineEdit *, 2> *, 5> frmOptions::zoneTimeBoxes() {
    return {&txtZone1, &txtZone2, &txtZone3, &txtZone4, &txtZone5};
}

void frmOptions::connectGoalHandlers() {
    using NumericBox::Keys;
    connect(DTPicker1, &QDateEdit::dateChanged, this, [this] { DTPicker1_Change(); });
    for (int index = 0; index < 2; ++index)
        onLeaving(*Text4[index], Keys::Digits, [this, index] { return Text4_LostFocus(index); });
    onLeaving(*txtTotalDistance, Keys::DigitsAndSeparators,
              [this] { return goalNumber_LostFocus(*txtTotalDistance, preferences::Goal::TotalDistance); });
    onLeaving(*txtTotalAltitude, Keys::DigitsAndSeparators,
              [this] { return goalNumber_LostFocus(*txtTotalAltitude, preferences::Goal::TotalAltitude); });
    const auto zones = zoneTimeBoxes();
    for (int zone = 0; zone < preferences::kGoalZones; ++zone)
        for (int index = 0; index < 2; ++index)
            onLeaving(*(*zones[zone])[index], Keys::Digits,
                      [this, zone, index] { return txtZone_LostFocus(zone + 1, index); });
    connect(Command6, &QPushButton::clicked, this, &frmOptions::Command6_Click);
    Label7->installEventFilter(this);
    Command6->installEventFilter(this);
}

// The captions that carry the user's time separator, the goal units, and the goals of the week
// that the picker shows.
void frmOptions::loadGoalsTab() {
    const QString separator = modHelpers::GetTimeSeparator();
    for (QLabel *label : Frame4->findChildren<QLabel *>("lblTimeSeparator"))
        label->setText(separator);
    Label3->setText(hoursMinutesCaption());
    Label19->setText(hoursMinutesCaption());
    Label7->setText(Text(1644) + separator);
    showGoalUnits(gPrimaryUnit);
    fraRecorder->hide();
    LoadGoals();
}

void frmOptions::showGoalUnits(const QString &unit) {
    lblUnits->setText(unit);
    const bool feet = unit == QLatin1String("mi") || unit == QLatin1String("nm");
    lblUnits2->setText(feet ? "ft" : "m");
}

QDate frmOptions::goalWeek() const {
    return preferences::GoalWeekOf(DTPicker1->date());
}

void frmOptions::DTPicker1_Change() {
    const QDate week = goalWeek();
    if (DTPicker1->date() != week) {
        DTPicker1->setDate(week); // comes back here with the first day
        return;
    }
    platform::failures::runReported([this] { LoadGoals(); });
}

// A goal that waits to be stored shows as it was typed.
void frmOptions::LoadGoals() {
    const QDate week = goalWeek();
    const preferences::WeeklyGoals goals =
        preferences::WithWaitingGoals(preferences::LoadWeeklyGoals(gConn, week), week, pending_);
    const auto showTime = [](std::array<QLineEdit *, 2> &boxes, double seconds) {
        const preferences::TimeBoxTexts texts = preferences::GoalTimeTexts(seconds);
        boxes[0]->setText(texts.hours);
        boxes[1]->setText(texts.minutes);
    };
    showTime(Text4, goals.timeTarget);
    txtTotalDistance->setText(preferences::GoalDistanceText(goals.totalDistance));
    txtTotalAltitude->setText(preferences::GoalAltitudeText(goals.totalAltitude));
    const auto zones = zoneTimeBoxes();
    for (int zone = 0; zone < preferences::kGoalZones; ++zone)
        showTime(*zones[zone], goals.timeInZone[zone]);
    rememberTexts(*Frame4);
}

void frmOptions::storeGoal(preferences::Goal goal, double value) {
    choose([week = goalWeek(), goal, value](preferences::PendingChoices &choices) {
        choices.goals[{week, goal}] = value;
    });
}

bool frmOptions::txtZone_LostFocus(int zone, int index) {
    std::array<QLineEdit *, 2> &boxes = *zoneTimeBoxes()[zone - 1];
    QLineEdit &box = *boxes[index];
    box.setText(box.text().trimmed());
    const preferences::GoalBoxLeave leave =
        preferences::LeaveZoneTimeBox(index, {boxes[0]->text(), boxes[1]->text()});
    if (leave.refusal) {
        sayRefusal(*leave.refusal, this);
        NumericBox::ReturnFocus(box);
    } else if (leave.value) {
        storeGoal(preferences::ZoneGoal(zone), *leave.value);
    }
    return !leave.refusal;
}

bool frmOptions::Text4_LostFocus(int index) {
    QLineEdit &box = *Text4[index];
    box.setText(box.text().trimmed());
    const preferences::GoalBoxLeave leave =
        preferences::LeaveActivityTimeBox(index, {Text4[0]->text(), Text4[1]->text()});
    if (leave.refusal) {
        sayRefusal(*leave.refusal, this);
        NumericBox::ReturnFocus(box);
    } else if (leave.value) {
        storeGoal(preferences::Goal::TimeTarget, *leave.value);
    }
    return !leave.refusal;
}

bool frmOptions::goalNumber_LostFocus(QLineEdit &box, preferences::Goal goal) {
    const preferences::GoalBoxLeave leave = preferences::LeaveGoalNumberBox(box.text());
    if (leave.refusal) {
        sayRefusal(*leave.refusal, this);
        NumericBox::ReturnFocus(box);
    } else if (leave.value) {
        storeGoal(goal, *leave.value);
    }
    return !leave.refusal;
}

// "Goals saved" only when all twelve weeks were written; otherwise none of them was. The boxes
// changed and not left are checked first, so that the copy never writes what they refuse. Goals
// that wait to be stored go next, so that the copy overwrites them as it overwrites stored ones.
void frmOptions::Command6_Click() {
    if (!leaveChangedBoxes(*Frame4) || !storeChoices())
        return;
    std::array<preferences::TimeBoxTexts, preferences::kGoalZones> zones;
    const auto zoneBoxes = zoneTimeBoxes();
    for (int zone = 0; zone < preferences::kGoalZones; ++zone)
        zones[zone] = {(*zoneBoxes[zone])[0]->text(), (*zoneBoxes[zone])[1]->text()};
    const preferences::GoalsFromBoxes read = preferences::ReadGoalBoxes(
        zones, {Text4[0]->text(), Text4[1]->text()}, txtTotalDistance->text(), txtTotalAltitude->text());
    for (const int message : read.messages)
        platform::dialogs::message(Text(message), "Runvella", Icon::None, Buttons::Ok, this);
    try {
        preferences::CopyGoalsToTwelveWeeks(gConn, goalWeek(), read.goals);
        preferences::Say(1467, Icon::Information, this);
    } catch (const platform::db::DbError &failure) {
        platform::dialogs::message(platform::failures::describe(Text(1521), failure), "Runvella", Icon::None,
                                   Buttons::Ok, this);
    }
}
