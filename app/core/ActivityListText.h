#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

#include <optional>

class QTreeWidget;

// How the activity lists of the merge and exchange windows show an activity, in the
// user's locale.
namespace ActivityListText {

// The abbreviated weekday, a blank, then the short date and the time with seconds.
QString startText(const QDateTime &start);

// The time of day with seconds, in the short time layout of the user's locale.
QString timeText(const QTime &time);

// The description on one line: line breaks as blanks, a long one as its first and last 20
// characters around "...", and a blank for none.
QString descriptionText(const std::optional<QString> &description);

// Hours, minutes and whole seconds, each at least two digits, joined by the time separator.
QString durationText(double seconds);

// Empties the list and shows its three columns: Date, Duration, and Description taking what is
// left of the list's width.
void ShowColumns(QTreeWidget &list);

// Once the lines are in: the date and the duration columns widen to their longest text, and the
// description takes what they leave of the list's width, or its longest text when that is wider.
void FitColumns(QTreeWidget &list);

} // namespace ActivityListText
