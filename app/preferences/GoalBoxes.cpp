#include "preferences/GoalBoxes.h"

#include "core/Numbers.h"
#include "core/modHelpersValidation.h"

#include <QLocale>

#include <cmath>

namespace preferences {
namespace {

using namespace modHelpers;

constexpr int kHoursLimit = 23;
constexpr int kMinutesLimit = 59;

QLocale shownLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

int limitOf(int index) {
    return index == 0 ? kHoursLimit : kMinutesLimit;
}

const QString &leftBox(int index, const TimeBoxTexts &time) {
    return index == 0 ? time.hours : time.minutes;
}

double wholeOrZero(const QString &text) {
    const auto number = ReadNumericText(text);
    return number ? Numbers::roundHalfEven(*number) : 0;
}

std::optional<GoalRefusal> activityTimeRefusal(NumericTextStatus status, int limit) {
    switch (status) {
    case kValid:
        return std::nullopt;
    case kWholeAboveMaximum:
        return GoalRefusal{1508, QString::number(limit)};
    case kNegative:
        return GoalRefusal{1509, {}};
    default:
        return GoalRefusal{1505, {}};
    }
}

// A time box of the twelve-week copy: its whole number, or nothing when it holds text that is no
// number or a number too large for the hours and minutes of a week's goal.
std::optional<double> copiedTimeBox(const QString &text) {
    if (text.trimmed().isEmpty())
        return 0;
    const auto number = ReadNumericText(text);
    if (!number)
        return std::nullopt;
    const auto whole = Numbers::toInt16(*number);
    if (!whole)
        return std::nullopt;
    return *whole;
}

double singleOrZero(const QString &text) {
    const auto number = ReadNumericText(text);
    return number ? Numbers::toSingle(*number) : 0;
}

} // namespace

TimeBoxTexts GoalTimeTexts(double seconds) {
    const double hours = std::trunc(seconds / 3600);
    const double minutes = Numbers::roundHalfEven(seconds / 60 - 60 * hours);
    const QLocale locale = shownLocale();
    return {locale.toString(hours, 'f', 0), locale.toString(minutes, 'f', 0)};
}

QString GoalDistanceText(double distance) {
    return shownLocale().toString(Numbers::roundHalfEven(distance, 2), 'g', 15);
}

QString GoalAltitudeText(double altitude) {
    // Stored in single precision: its own seven digits, without the float's binary tail.
    return shownLocale().toString(altitude, 'g', 7);
}

GoalBoxLeave LeaveZoneTimeBox(int index, const TimeBoxTexts &zone) {
    const QString &left = leftBox(index, zone);
    if (left.isEmpty())
        return {};
    if (ValidateNumericText(left, limitOf(index)) != kValid)
        return {GoalRefusal{index == 0 ? 1615 : 1616, {}}, std::nullopt};
    return {std::nullopt, wholeOrZero(zone.hours) * 3600 + wholeOrZero(zone.minutes) * 60};
}

GoalBoxLeave LeaveActivityTimeBox(int index, const TimeBoxTexts &activity) {
    const QString &left = leftBox(index, activity);
    if (left.isEmpty())
        return {};
    if (auto refusal = activityTimeRefusal(ValidateNumericText(left, limitOf(index)), limitOf(index)))
        return {refusal, std::nullopt};
    const auto hours = ReadNumericText(activity.hours);
    const auto minutes = ReadNumericText(activity.minutes);
    if (!hours || !minutes)
        return {};
    const float seconds = Numbers::toSingle(*hours) * 3600.0f + Numbers::toSingle(*minutes) * 60.0f;
    return {std::nullopt, seconds};
}

GoalBoxLeave LeaveGoalNumberBox(const QString &text) {
    const auto number = ReadNumericText(text);
    if (!number || *number < 0 || *number > kLargestDecimal)
        return {GoalRefusal{kDecimalRangeMessage, {}}, std::nullopt};
    return {std::nullopt, Numbers::toSingle(*number)};
}

GoalsFromBoxes ReadGoalBoxes(const std::array<TimeBoxTexts, kGoalZones> &zones, const TimeBoxTexts &activity,
                             const QString &distance, const QString &altitude) {
    GoalsFromBoxes read;
    const auto secondsOf = [&read](const TimeBoxTexts &time) {
        const auto hours = copiedTimeBox(time.hours);
        if (!hours)
            read.messages.push_back(1518);
        const auto minutes = copiedTimeBox(time.minutes);
        if (!minutes)
            read.messages.push_back(1519);
        return hours.value_or(0) * 3600 + minutes.value_or(0) * 60;
    };
    for (int zone = 0; zone < kGoalZones; ++zone)
        read.goals.timeInZone[zone] = secondsOf(zones[zone]);
    read.goals.timeTarget = secondsOf(activity);
    read.goals.totalDistance = singleOrZero(distance);
    read.goals.totalAltitude = singleOrZero(altitude);
    return read;
}

} // namespace preferences
