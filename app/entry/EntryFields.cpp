#include "entry/EntryFields.h"

#include "core/Numbers.h"
#include "core/modHelpersDates.h"
#include "core/modHelpersFormatting.h"
#include "core/modHelpersValidation.h"
#include "core/modLocalisation.h"

#include <QLocale>

#include <cmath>

namespace EntryFields {
namespace {

constexpr int kPositiveWholeNumber = 1509;
constexpr int kPaceNotANumber = 1506;
constexpr int kLessThan24 = 1615;
constexpr int kLessThan60 = 1616;
constexpr int kHoursRange = 1861;
constexpr int kMinutesRange = 1862; // minutes and seconds
constexpr int kAverageHeartRateRange = 1863;
constexpr int kPeakHeartRateRange = 1864;
constexpr int kZoneRange = 1865;
constexpr int kPaceRange = 1866;
constexpr int kPaceMinutesLimit = 999; // what the three characters of the minutes box hold
constexpr int kPaceSecondsLimit = 99;  // what its two hold; 90 seconds count as a minute and a half

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

// A box of whole numbers from 0 to the limit: a negative value, a value above the limit, and a
// fraction or no number each have their message.
int wholeNumberMessage(const QString &text, int limit, int negativeMessage, int aboveLimitMessage) {
    const auto value = number(text);
    if (value && *value < 0)
        return negativeMessage;
    const IntegerCheck check = checkInteger(text, limit);
    if (check == kWholeWithin)
        return 0;
    return check == kWholeOutside ? aboveLimitMessage : kPositiveWholeNumber;
}

int decimalMessage(const QString &text) {
    const auto value = number(text);
    const bool within = value && *value >= 0 && *value <= modHelpers::kLargestDecimal;
    return within ? 0 : modHelpers::kDecimalRangeMessage;
}

bool holdsSeconds(Box paceBox) {
    return paceBox == Box::AveragePaceSeconds || paceBox == Box::BestPaceSeconds;
}

// The boxes of the pace that the box belongs to.
const std::array<Box, 2> &paceOf(Box paceBox) {
    return paceBox == Box::BestPaceMinutes || paceBox == Box::BestPaceSeconds ? kBestPace : kAveragePace;
}

int paceMessage(Box box, const QString &text) {
    const auto value = number(text);
    if (!value)
        return paceOf(box) == kAveragePace ? kPaceNotANumber : kPositiveWholeNumber;
    const int limit = holdsSeconds(box) ? kPaceSecondsLimit : kPaceMinutesLimit;
    return *value < 0 || *value > limit ? kPaceRange : 0;
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
    case Box::Distance:
    case Box::Speed:
        return decimalMessage(text);
    case Box::Hours:
        return wholeNumberMessage(text, 23, kPositiveWholeNumber, kLessThan24);
    case Box::Minutes:
    case Box::Seconds:
        return wholeNumberMessage(text, 59, kMinutesRange, kLessThan60);
    case Box::AverageHeartRate:
        return wholeNumberMessage(text, modHelpers::kLargestHeartRate, kPositiveWholeNumber,
                                  kAverageHeartRateRange);
    case Box::PeakHeartRate:
        return wholeNumberMessage(text, modHelpers::kLargestHeartRate, kPositiveWholeNumber,
                                  kPeakHeartRateRange);
    case Box::ZoneTime:
        return wholeNumberMessage(text, modHelpers::kZoneBoxLimit, kPositiveWholeNumber, kZoneRange);
    case Box::AveragePaceMinutes:
    case Box::AveragePaceSeconds:
    case Box::BestPaceMinutes:
    case Box::BestPaceSeconds:
        return paceMessage(box, text);
    }
    return 0;
}

int RangeMessage(Box box) {
    switch (box) {
    case Box::Distance:
    case Box::Speed:
        return modHelpers::kDecimalRangeMessage;
    case Box::Hours:
        return kHoursRange;
    case Box::Minutes:
    case Box::Seconds:
        return kMinutesRange;
    case Box::AverageHeartRate:
        return kAverageHeartRateRange;
    case Box::PeakHeartRate:
        return kPeakHeartRateRange;
    case Box::ZoneTime:
        return kZoneRange;
    case Box::AveragePaceMinutes:
    case Box::AveragePaceSeconds:
    case Box::BestPaceMinutes:
    case Box::BestPaceSeconds:
        return kPaceRange;
    }
    return 0;
}

int PasteMessage(Box box, const QString &pasted) {
    const int message = LeaveMessage(box, pasted.trimmed());
    return message ? message : RangeMessage(box);
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
    if (const int message = decimalMessage(text))
        return {message, std::nullopt, std::nullopt};
    const double speed = Numbers::roundHalfEven(*number(text), 2);
    return {0, SpeedText(speed), SpeedToPace(Numbers::toSingle(speed))};
}

PaceLeave LeavePace(const QString &minutes, const QString &seconds, Box left) {
    const QString &leftText = holdsSeconds(left) ? seconds : minutes;
    if (leftText.isEmpty())
        return {};
    const auto accepted = [](Box box, const QString &text) {
        return LeaveMessage(box, text) == 0 ? number(text).value_or(0) : 0;
    };
    PaceLeave result;
    result.message = LeaveMessage(left, leftText);
    const auto [minutesBox, secondsBox] = paceOf(left);
    const float wholeMinutes = Numbers::toSingle(accepted(minutesBox, minutes));
    const float wholeSeconds = Numbers::toSingle(Numbers::roundHalfEven(accepted(secondsBox, seconds)));
    const float pace = wholeMinutes + wholeSeconds / 60.0f;
    if (pace > 0)
        result.speed = SpeedText(60.0f / pace);
    return result;
}

ZoneCarry CarryZoneMinutes(const QString &hours, const QString &minutes) {
    if (minutes.isEmpty())
        return {};
    if (const int message = LeaveMessage(Box::ZoneTime, minutes))
        return {message, std::nullopt, std::nullopt};
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
