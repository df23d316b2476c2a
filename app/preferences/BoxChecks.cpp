#include "preferences/BoxChecks.h"

#include "core/Numbers.h"
#include "core/modHelpersValidation.h"

#include <cmath>

namespace preferences {
namespace {

using platform::dialogs::Icon;

constexpr int kHighestZoneBound = 240;
constexpr int kSlowestPace = 99;

constexpr int kWholeNumber = 1505;
constexpr int kWholeNumberForAge = 1510;
constexpr int kWholeNumberForMaximum = 1511;
constexpr int kWholeNumberForPace = 1506;
constexpr int kMaximumRange = 1617;
constexpr int kAgeRange = 1618;
constexpr int kZoneBoundRange = 1911;
constexpr int kPaceRange = 1912;

bool isWholeWithin(const QString &text, int maximum) {
    return modHelpers::ValidateNumericText(text, maximum) == modHelpers::kValid;
}

// A box that is empty or holds a whole number from 0 up to its maximum: a whole number above it
// is told the range, any other text that it is no whole number.
std::optional<BoxRefusal> checkWholeUpTo(const QString &text, int maximum, int notWhole, int outOfRange) {
    if (text.isEmpty())
        return std::nullopt;
    switch (modHelpers::ValidateNumericText(text, maximum)) {
    case modHelpers::kValid:
        return std::nullopt;
    case modHelpers::kWholeAboveMaximum:
        return BoxRefusal{outOfRange, Icon::Information, std::nullopt};
    default:
        return BoxRefusal{notWhole, Icon::Information, std::nullopt};
    }
}

// A number held in a box whose range check reads it as a whole number: its 16-bit rounding,
// or nothing when it is too large for one (and so out of every range).
std::optional<int> wholeValue(double number) {
    const auto whole = Numbers::toInt16(number);
    return whole ? std::optional<int>(*whole) : std::nullopt;
}

// The checks of the age and of the maximum share their order: a number at all, its whole
// value within the range, then no fraction.
std::optional<BoxRefusal> checkWholeInRange(const QString &text, int notANumber, int low, int high,
                                            int outOfRange, std::optional<QString> reset) {
    const auto number = modHelpers::ReadNumericText(text);
    if (!number)
        return BoxRefusal{notANumber, Icon::Information, std::nullopt};
    const auto whole = wholeValue(*number);
    if (!whole || *whole < low || *whole > high)
        return BoxRefusal{outOfRange, Icon::Information, reset};
    if (std::trunc(*number) != *number)
        return BoxRefusal{kWholeNumber, Icon::None, std::nullopt};
    return std::nullopt;
}

} // namespace

std::optional<BoxRefusal> CheckZoneBound(const QString &text) {
    return checkWholeUpTo(text, kHighestZoneBound, kWholeNumber, kZoneBoundRange);
}

std::optional<BoxRefusal> CheckAge(const QString &text) {
    return checkWholeInRange(text, kWholeNumberForAge, 1, 110, kAgeRange, QStringLiteral("30"));
}

std::optional<BoxRefusal> CheckMaximumHeartRate(const QString &text) {
    return checkWholeInRange(text, kWholeNumberForMaximum, 20, 220, kMaximumRange, std::nullopt);
}

std::optional<BoxRefusal> CheckPace(const QString &text) {
    return checkWholeUpTo(text, kSlowestPace, kWholeNumberForPace, kPaceRange);
}

PaceRange CheckPaceRange(const QString &fastest, const QString &slowest) {
    if (!isWholeWithin(fastest, kSlowestPace) || !isWholeWithin(slowest, kSlowestPace))
        return {};
    const auto fast = static_cast<int>(*modHelpers::ReadNumericText(fastest));
    const auto slow = static_cast<int>(*modHelpers::ReadNumericText(slowest));
    return {slow > fast ? PaceRange::Valid : PaceRange::NotFastestToSlowest, fast, slow};
}

} // namespace preferences
