#include "entry/EntryFields.h"

#include "core/Numbers.h"
#include "core/modHelpersDates.h"
#include "core/modHelpersFormatting.h"
#include "core/modHelpersValidation.h"
#include "core/modLocalisation.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace EntryFields {
namespace {

constexpr int kPositiveWholeNumber = 1509;
constexpr int kPaceNotANumber = 1506;
constexpr int kLessThan24 = 1615;
constexpr int kLessThan60 = 1616;
constexpr int kAverageHeartRate = 1512;
constexpr int kPeakHeartRate = 1511;
constexpr int kHeartRateLimit = 300;
constexpr int kZoneLimit = 300;

std::optional<double> number(const QString &text) {
    return modHelpers::ReadNumericText(text);
}

QString twoDigits(std::int64_t value) {
    return modHelpers::PadString(QVariant::fromValue(value), 2, "0");
}

QLocale shownLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

// Boxes that first refuse a negative number and then apply checkInteger.
int checkedFromZero(const QString &text, int limit, int aboveLimitMessage) {
    const auto value = number(text);
    if (!value || *value < 0)
        return kPositiveWholeNumber;
    const IntegerCheck check = checkInteger(text, limit);
    if (check == kWholeWithin)
        return 0;
    return check == kWholeOutside ? aboveLimitMessage : kPositiveWholeNumber;
}

int checkedInteger(const QString &text, int limit, int aboveLimitMessage) {
    const IntegerCheck check = checkInteger(text, limit);
    if (check == kWholeWithin)
        return 0;
    return check == kWholeOutside ? aboveLimitMessage : kPositiveWholeNumber;
}

} // namespace

IntegerCheck checkInteger(const QString &text, int limit) {
    const auto value = number(text);
    if (!value)
        return kNoNumber;
    const bool whole = std::trunc(*value) == *value;
    const bool within = *value >= 0 && *value <= limit;
    if (whole)
        return within ? kWholeWithin : kWholeOutside;
    return within ? kFractionWithin : kFractionOutside;
}

int LeaveMessage(Box box, const QString &text) {
    if (text.isEmpty())
        return 0;
    switch (box) {
    case Box::Distance: {
        const auto value = number(text);
        return value && *value >= 0 ? 0 : modHelpers::kDecimalNumberMessage;
    }
    case Box::Hours:
        return checkedFromZero(text, 23, kLessThan24);
    case Box::Minutes:
    case Box::Seconds:
        return checkedInteger(text, 59, kLessThan60);
    case Box::AverageHeartRate:
        return checkedFromZero(text, kHeartRateLimit, kAverageHeartRate);
    case Box::PeakHeartRate:
        return checkedFromZero(text, kHeartRateLimit, kPeakHeartRate);
    case Box::ZoneTime:
        return checkInteger(text, kZoneLimit) == kWholeWithin ? 0 : kPositiveWholeNumber;
    case Box::Speed:
        return LeaveSpeed(text).message;
    case Box::AveragePace:
        return number(text) ? 0 : kPaceNotANumber;
    case Box::BestPace:
        return number(text) ? 0 : kPositiveWholeNumber;
    }
    return 0;
}

Pace SpeedToPace(float speed) {
    if (!(speed > 0))
        return {"00", "00"};
    float pace = 60.0f / speed;
    if (pace > 99.99f)
        pace = 99.99f;
    const float minutes = std::trunc(pace);
    const float seconds = std::trunc((pace - minutes) * 60.0f);
    return {twoDigits(static_cast<std::int64_t>(minutes)), twoDigits(static_cast<std::int64_t>(seconds))};
}

SpeedLeave LeaveSpeed(const QString &text) {
    if (text.isEmpty())
        return {};
    const auto value = number(text);
    if (!value || *value < 0)
        return {modHelpers::kDecimalNumberMessage, std::nullopt, std::nullopt};
    if (Numbers::roundHalfEven(*value) > std::numeric_limits<std::int32_t>::max())
        return {kPositiveWholeNumber, std::nullopt, std::nullopt};
    const double speed = Numbers::roundHalfEven(*value, 2);
    return {0, SpeedText(speed), SpeedToPace(Numbers::toSingle(speed))};
}

PaceLeave LeavePace(const QString &minutes, const QString &seconds, int leftIndex, Box paceBox) {
    const QString &left = leftIndex == 0 ? minutes : seconds;
    if (left.isEmpty())
        return {};
    PaceLeave result;
    result.message = LeaveMessage(paceBox, left);
    const float wholeMinutes = Numbers::toSingle(number(minutes).value_or(0));
    const float wholeSeconds = Numbers::toSingle(Numbers::roundHalfEven(number(seconds).value_or(0)));
    const float pace = wholeMinutes + wholeSeconds / 60.0f;
    if (pace > 0)
        result.speed = SpeedText(60.0f / pace);
    return result;
}

ZoneCarry CarryZoneMinutes(const QString &hours, const QString &minutes) {
    if (minutes.isEmpty())
        return {};
    if (checkInteger(minutes, kZoneLimit) != kWholeWithin)
        return {kPositiveWholeNumber, std::nullopt, std::nullopt};
    const auto value = static_cast<std::int64_t>(*number(minutes));
    if (value <= 59)
        return {};
    const auto shownHours = static_cast<std::int64_t>(std::trunc(number(hours).value_or(0)));
    return {0, QString::number(shownHours + value / 60), QString::number(value % 60)};
}

QString PaceUnitLabel(int minutesCaptionId, int speedUnitCode) {
    const int unitId = speedUnitCode == 1 ? 1582 : speedUnitCode == 2 ? 1584 : 1581;
    return modLocalisation::LoadResString(minutesCaptionId) + modHelpers::GetTimeSeparator() +
           modLocalisation::LoadResString(1589) + "/" + modLocalisation::LoadResString(unitId);
}

QString SpeedText(double value) {
    return shownLocale().toString(Numbers::roundHalfEven(value, 2), 'g', 15);
}

QString SingleText(double value) {
    return shownLocale().toString(static_cast<double>(Numbers::toSingle(value)), 'g', 7);
}

QString NumberText(double value) {
    return shownLocale().toString(value, 'g', 15);
}

Clock DurationBoxes(double seconds) {
    const auto hours = static_cast<std::int64_t>(std::trunc(seconds / 3600));
    const double rest = seconds - 3600.0 * static_cast<double>(hours);
    return {hours, static_cast<std::int64_t>(std::trunc(rest / 60)),
            static_cast<std::int64_t>(std::trunc(rest)) % 60};
}

Clock ZoneBoxes(double seconds) {
    return {static_cast<std::int64_t>(std::trunc(seconds / 3600)),
            static_cast<std::int64_t>(std::trunc(seconds / 60)) % 60, 0};
}

} // namespace EntryFields
