#pragma once

#include <QString>

#include <cstdint>
#include <optional>

class QLineEdit;

namespace modHelpers {

// What ValidateNumericText finds in a numeric text box. Callers treat anything but kValid as
// invalid unless they say otherwise.
enum NumericTextStatus : std::int16_t {
    kValid = 0,
    kWholeAboveMaximum = 1,
    kFractionWithinMaximum = 2,
    kFractionAboveMaximum = 3,
    kNotANumber = 5,
    kNegative = 6,
};

// The number a text box holds after trimming: the user's decimal separator and "." both read as
// the decimal point, and no character groups digits (under German "8.125" is 8.125, not 8125);
// nothing for text that is no finite number.
std::optional<double> ReadNumericText(const QString &text);

// The refusal of a box that takes a decimal number from 0 to kLargestDecimal, which the message
// names: what five characters hold, and what the graphs and the stored columns carry.
constexpr int kDecimalRangeMessage = 1860;
constexpr double kLargestDecimal = 99999;
// The largest heart rate a box takes, in beats per minute, and the largest whole number that the
// hours and the minutes box of a heart-rate zone take.
constexpr int kLargestHeartRate = 300;
constexpr int kZoneBoxLimit = 300;

// The text of a validation message in the chosen language; the decimal-number message names the
// user's decimal separator.
QString ValidationMessage(int messageId);

// Classifies a number of any size, read as ReadNumericText reads it.
NumericTextStatus ValidateNumericText(const QString &text, int maximum);
NumericTextStatus ValidateNumericText(const QLineEdit &box, int maximum);

} // namespace modHelpers
