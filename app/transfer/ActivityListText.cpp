#include "transfer/ActivityListText.h"

#include <QLocale>
#include <QTime>

#include <cmath>

namespace ActivityListText {
namespace {

QString timeSeparator(const QLocale &locale) {
    const QString sample = locale.toString(QTime(12, 34, 56), QLocale::ShortFormat);
    for (const QChar character : sample)
        if (!character.isDigit())
            return character;
    return ":";
}

// The short time layout with seconds added after the minutes when it has none.
QString timeWithSecondsFormat(const QLocale &locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains('s')) {
        const qsizetype minutes = format.indexOf("mm");
        if (minutes >= 0)
            format.insert(minutes + 2, timeSeparator(locale) + "ss");
    }
    return format;
}

QString twoDigits(long long value) {
    return QString::number(value).rightJustified(2, '0');
}

} // namespace

QString startText(const QDateTime &start) {
    const QLocale locale;
    return locale.dayName(start.date().dayOfWeek(), QLocale::ShortFormat) + " " +
           locale.toString(start.date(), QLocale::ShortFormat) + " " + timeText(start.time());
}

QString timeText(const QTime &time) {
    const QLocale locale;
    return locale.toString(time, timeWithSecondsFormat(locale));
}

QString durationText(double seconds) {
    const auto whole = static_cast<long long>(std::floor(seconds));
    const QString separator = timeSeparator(QLocale());
    return twoDigits(whole / 3600) + separator + twoDigits(whole % 3600 / 60) + separator +
           twoDigits(whole % 60);
}

} // namespace ActivityListText
