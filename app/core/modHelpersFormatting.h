#pragma once

#include <QChar>
#include <QString>
#include <QVariant>

#include <cstdint>

// Small text conversions shared by every window and module.
namespace modHelpers {

inline constexpr int kDurationWithSeconds = 1;

// Minutes as clock text: "hh:mm:ss" for layout kDurationWithSeconds, "hh:mm" for any other.
// The caller's minutes become their absolute value. Charts read the text back as a time of day,
// so it never exceeds "23:59:59".
QString FormatDuration(double &minutes, int layout);

// The value's text with copies of fill put in front until it is at least length long.
QString PadString(const QVariant &value, int length, const QString &fill);

// Two upper-case hexadecimal digits, high nibble first.
QString ByteToHex(std::uint8_t value);

// The number that up to eight hexadecimal digits denote: up to four digits as a signed 16-bit
// number ("FFFF" is -1), five to eight as a signed 32-bit number.
// Throws std::invalid_argument for text that is no such number.
double HexToValue(const QString &digits);

// Six hexadecimal digits as a 24-bit two's-complement angle, 2^23 standing for 180 degrees.
// Throws std::invalid_argument for any other text.
double HexToSigned(const QString &digits);

// The first character of the user's thousands and decimal separators.
QChar GetThousandSeparator();
QChar GetDecimalSeparator();

} // namespace modHelpers
