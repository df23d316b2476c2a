#include "core/modHelpersFormatting.h"

#include "core/Numbers.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace modHelpers {
namespace {

QString twoDigits(long long value) {
    return PadString(value, 2, QStringLiteral("0"));
}

bool isHexDigit(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('F')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
}

QChar firstCharacter(const QString &text) {
    return text.isEmpty() ? QChar() : text.front();
}

} // namespace

QString FormatDuration(double &minutes, int layout) {
    minutes = std::abs(minutes);
    // A value that is no number of minutes has no clock time: it reads as nothing.
    if (!std::isfinite(minutes))
        return layout == kDurationWithSeconds ? QStringLiteral("00:00:00") : QStringLiteral("00:00");
    if (minutes >= 1440)
        return QStringLiteral("23:59:59");

    auto hours = static_cast<long long>(std::floor(minutes / 60));
    auto wholeMinutes = static_cast<long long>(std::floor(minutes >= 60 ? minutes - hours * 60.0 : minutes));
    auto seconds =
        static_cast<long long>(Numbers::roundHalfEven(minutes * 60) - hours * 3600.0 - wholeMinutes * 60.0);

    if (seconds < 0)
        seconds = 0;
    if (seconds > 59) {
        seconds -= 60;
        ++wholeMinutes;
    }
    if (wholeMinutes > 59) {
        wholeMinutes -= 60;
        ++hours;
    }
    if (hours > 23) {
        hours = 23;
        wholeMinutes = 59;
        seconds = 59;
    }

    QString text = twoDigits(hours) + QLatin1Char(':') + twoDigits(wholeMinutes);
    if (layout == kDurationWithSeconds)
        text += QLatin1Char(':') + twoDigits(seconds);
    return text;
}

QString PadString(const QVariant &value, int length, const QString &fill) {
    QString text = value.toString();
    if (fill.isEmpty())
        return text;
    while (text.size() < length)
        text.prepend(fill);
    return text;
}

QString ByteToHex(std::uint8_t value) {
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

double HexToValue(const QString &digits) {
    if (digits.isEmpty() || digits.size() > 8 || !std::all_of(digits.begin(), digits.end(), isHexDigit))
        throw std::invalid_argument("not a hexadecimal number of up to eight digits: " +
                                    digits.toStdString());
    const quint32 bits = digits.toUInt(nullptr, 16);
    if (digits.size() <= 4)
        return static_cast<std::int16_t>(bits);
    return static_cast<std::int32_t>(bits);
}

double HexToSigned(const QString &digits) {
    if (digits.size() != 6)
        throw std::invalid_argument("not six hexadecimal digits: " + digits.toStdString());
    double value = HexToValue(digits);
    const bool signBitSet = digits.left(1).toInt(nullptr, 16) >= 8;
    if (signBitSet)
        value -= 16777216;
    return value * 180 / 8388608;
}

QChar GetThousandSeparator() {
    return firstCharacter(QLocale().groupSeparator());
}

QChar GetDecimalSeparator() {
    return firstCharacter(QLocale().decimalPoint());
}

} // namespace modHelpers
