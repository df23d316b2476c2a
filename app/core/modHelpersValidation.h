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

// The number a text box holds, read in the user's locale or in C notation after trimming; nothing
// for text that is no finite number.
std::optional<double> ReadNumericText(const QString &text);

// Classifies a number of any size; numbers are read in the user's locale or in C notation.
NumericTextStatus ValidateNumericText(const QString &text, int maximum);
NumericTextStatus ValidateNumericText(const QLineEdit &box, int maximum);

} // namespace modHelpers
