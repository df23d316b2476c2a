#include "core/modHelpersValidation.h"

#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace modHelpers {

std::optional<double> ReadNumericText(const QString &text) {
    const QString trimmed = text.trimmed();
    bool ok = false;
    double value = QLocale().toDouble(trimmed, &ok);
    if (!ok)
        value = QLocale::c().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

NumericTextStatus ValidateNumericText(const QString &text, int maximum) {
    const std::optional<double> number = ReadNumericText(text);
    if (!number)
        return kNotANumber;
    if (*number < 0)
        return kNegative;

    const bool whole = std::trunc(*number) == *number;
    const bool within = *number <= maximum;
    if (whole)
        return within ? kValid : kWholeAboveMaximum;
    return within ? kFractionWithinMaximum : kFractionAboveMaximum;
}

NumericTextStatus ValidateNumericText(const QLineEdit &box, int maximum) {
    return ValidateNumericText(box.text(), maximum);
}

} // namespace modHelpers
