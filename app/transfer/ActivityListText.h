#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

// How the activity lists of the merge windows show an activity's start and length, in the
// user's locale.
namespace ActivityListText {

// The abbreviated weekday, a blank, then the short date and the time with seconds.
QString startText(const QDateTime &start);

// The time of day with seconds, in the short time layout of the user's locale.
QString timeText(const QTime &time);

// Hours, minutes and whole seconds, each at least two digits, joined by the time separator.
QString durationText(double seconds);

} // namespace ActivityListText
