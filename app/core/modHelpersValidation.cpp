#include "core/modHelpersValidation.h"

#include "core/modLocalisation.h"

#include <QLineEdit>
#include <QLocale>

#include <cmath>

namespace modHelpers {

std::optional<double> ReadNumericText(const QString &text) {
    const QLocale user;
    QString number = text.trimmed();
    number.replace(user.decimalPoint(), ".");
    number.replace(user.negativeSign(), "-");
    QLocale plain = QLocale::c();
    plain.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = plain.toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString ValidationMessage(int messageId) {
    QString text = modLocalisation::LoadResString(messageId);
    if (messageId == kDecimalRangeMessage)
        text.replace("%X", QLocale().decimalPoint());
    return text;
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
