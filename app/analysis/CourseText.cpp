#include "analysis/CourseText.h"

#include "core/Numbers.h"
#include "core/modHelpersFormatting.h"

#include <QLocale>

#include <cmath>

namespace analysis {
namespace {

QString twoDigits(double value) {
    return modHelpers::PadString(static_cast<long long>(value), 2, QStringLiteral("0"));
}

} // namespace

QString NumberText(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    // A value rounded to nothing below zero reads 0, not -0.
    return locale.toString(value == 0 ? 0.0 : value, 'f', QLocale::FloatingPointShortest);
}

QString FormatCoordinates(double value, bool isLongitude) {
    QString hemisphere;
    if (value < 0)
        hemisphere = isLongitude ? QStringLiteral("W ") : QStringLiteral("S ");
    else
        hemisphere = isLongitude ? QStringLiteral("E ") : QStringLiteral("N ");

    const double magnitude = std::abs(value);
    double degrees = std::trunc(magnitude);
    // The fraction is kept in single precision, as positions were always shown.
    const float fraction = static_cast<float>(magnitude - degrees);
    const float minutesWithFraction = fraction * 60.0f;
    double minutes = std::trunc(minutesWithFraction);
    double seconds = Numbers::roundHalfEven((minutesWithFraction - static_cast<float>(minutes)) * 60.0f, 1);
    if (seconds >= 60) {
        seconds -= 60;
        ++minutes;
    }
    if (minutes >= 60) {
        minutes -= 60;
        ++degrees;
    }
    return hemisphere + NumberText(degrees) + QChar(0x00B0) + QLatin1Char(' ') + NumberText(minutes) +
           QLatin1Char('\'') + QLatin1Char(' ') + NumberText(seconds) + QLatin1Char('"');
}

QString PaceText(double pace, const QString &timeSeparator) {
    const double minutes = std::floor(pace);
    const double seconds = Numbers::roundHalfEven((pace - minutes) * 60);
    return twoDigits(minutes) + timeSeparator + twoDigits(seconds);
}

} // namespace analysis
