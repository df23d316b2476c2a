#pragma once

#include "preferences/WeeklyGoals.h"

#include <QString>

#include <array>
#include <optional>
#include <vector>

// The boxes of the Goals tab: what they show of a week's goals, and what leaving one of them
// stores or says. Box texts are read in the user's number format; the box that was left comes
// trimmed.
namespace preferences {

// A time as its two boxes show it.
struct TimeBoxTexts {
    QString hours;
    QString minutes;

    bool operator==(const TimeBoxTexts &) const = default;
};

// Whole hours, and the rest as minutes rounded half to even.
TimeBoxTexts GoalTimeTexts(double seconds);
// A distance rounded to two decimals.
QString GoalDistanceText(double distance);
// An altitude as stored.
QString GoalAltitudeText(double altitude);

// A refused box: the message (its text, a blank and the suffix when there is one).
struct GoalRefusal {
    int messageId = 0;
    QString suffix;

    bool operator==(const GoalRefusal &) const = default;
};

// What leaving a box does: say why its text is refused, or store a value, or neither.
struct GoalBoxLeave {
    std::optional<GoalRefusal> refusal;
    std::optional<double> value;
};

// The hours (index 0, up to 23) or minutes (index 1, up to 59) box of a zone's time. An empty box
// does nothing; otherwise the zone's seconds are stored, the other box counting as 0 unless it
// holds a number.
GoalBoxLeave LeaveZoneTimeBox(int index, const TimeBoxTexts &zone);

// The hours or minutes box of the activity time: refused as the zone boxes are, with messages by
// kind of fault; stored only when the other box holds a number too.
GoalBoxLeave LeaveActivityTimeBox(int index, const TimeBoxTexts &activity);

// The distance or altitude box: a number from 0 to kLargestDecimal, kept in single precision.
GoalBoxLeave LeaveGoalNumberBox(const QString &text);

// The goals the boxes give for the twelve-week copy. A time box that is empty counts as 0; one
// that holds no whole number of hours or minutes that fits also counts as 0, with message 1518
// (hours) or 1519 (minutes). A distance or altitude that is no number counts as 0.
struct GoalsFromBoxes {
    WeeklyGoals goals;
    std::vector<int> messages; // in the order the boxes are read
};
GoalsFromBoxes ReadGoalBoxes(const std::array<TimeBoxTexts, kGoalZones> &zones, const TimeBoxTexts &activity,
                             const QString &distance, const QString &altitude);

} // namespace preferences
