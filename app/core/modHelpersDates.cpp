#include "core/modHelpersDates.h"

#include "core/Globals.h"
#include "platform/Database.h"

#include <QLocale>
#include <QStringList>
#include <QTime>

namespace modHelpers {
namespace {

QString firstNonDigit(const QString &text) {
    for (const QChar c : text.left(20)) {
        if (!c.isDigit())
            return QString(c);
    }
    return QString();
}

// The days to go back from a weekday (Monday 1 ... Sunday 7) to the first day of its week.
int daysIntoWeek(int dayOfWeek) {
    const int weekday = gStartOfWeek == QLatin1String("Monday") ? dayOfWeek : dayOfWeek % 7 + 1;
    return weekday - 1;
}

// Names one number of 25 August 1958 as written in the short date layout.
QString nameOfDatePart(const QString &part) {
    bool isNumber = false;
    const int number = part.trimmed().toInt(&isNumber);
    if (!isNumber || number == 8)
        return QStringLiteral("mm"); // a month name counts as the month
    if (number == 25)
        return QStringLiteral("dd");
    if (number == 1958 || number == 58)
        return QStringLiteral("yyyy");
    return QString();
}

} // namespace

QString FormatIsoDate(const QVariant &value) {
    switch (value.typeId()) {
    case QMetaType::QDate:
        return platform::db::isoDate(value.toDate());
    case QMetaType::QDateTime:
        return platform::db::isoDate(value.toDateTime().date());
    default:
        return QString();
    }
}

QDate GetWeekStart(const QDate &day) {
    return day.addDays(-daysIntoWeek(day.dayOfWeek()));
}

QDateTime GetWeekStart(const QDateTime &moment) {
    return moment.addDays(-daysIntoWeek(moment.date().dayOfWeek()));
}

QString FormatShortTime() {
    return firstNonDigit(QLocale().toString(QTime::currentTime(), QLocale::ShortFormat));
}

QString FormatShortDate() {
    return firstNonDigit(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

QString GetDateOrderPattern(QString *separator) {
    const QString written = QLocale().toString(QDate(1958, 8, 25), QLocale::ShortFormat);
    qsizetype at = 0;
    while (at < qMin<qsizetype>(5, written.size()) && written[at].isDigit())
        ++at;
    if (at == qMin<qsizetype>(5, written.size()))
        return QString();

    const QString sep(written[at]);
    if (separator)
        *separator = sep;
    const QStringList rest = written.mid(at + 1).split(sep);
    return QStringList{nameOfDatePart(written.left(at)), nameOfDatePart(rest.value(0)),
                       nameOfDatePart(rest.value(1))}
        .join(QLatin1Char('/'));
}

QString ToLocalDateOrder(int month, int day) {
    const QString separator = FormatShortDate();
    if (GetDateOrderPattern().startsWith(QLatin1Char('d')))
        return QString::number(day) + separator + QString::number(month);
    return QString::number(month) + separator + QString::number(day);
}

QString ToSystemDateText(const QString &monthDayYear) {
    const QStringList parts = monthDayYear.split(QLatin1Char('-'));
    if (parts.size() != 3)
        return QString();
    const QString &month = parts[0];
    const QString &day = parts[1];
    const QString &year = parts[2];

    const QString order = GetDateOrderPattern();
    QStringList ordered;
    if (order.startsWith(QLatin1Char('d')))
        ordered = {day, month, year};
    else if (order.startsWith(QLatin1Char('m')))
        ordered = {month, day, year};
    else if (order.startsWith(QLatin1Char('y')))
        ordered = {year, month, day};
    return ordered.join(QLatin1Char('/'));
}

} // namespace modHelpers
