#include "mainwindow/TimePeriods.h"

#include "core/modHelpersDates.h"

#include <QLocale>

namespace TimePeriods {
namespace {

DateRange wholeMonth(const QDate &anyDay) {
    const QDate first(anyDay.year(), anyDay.month(), 1);
    return {first, first.addMonths(1).addDays(-1)};
}

DateRange weekFrom(const QDate &first) {
    return {first, first.addDays(6)};
}

} // namespace

DateRange Ordered(const QDate &one, const QDate &other) {
    return one <= other ? DateRange{one, other} : DateRange{other, one};
}

std::optional<DateRange> PeriodDays(int period, const QDate &today, const DateRange &saved) {
    switch (period) {
    case kSavedRange:
        return saved;
    case kThisMonth:
        return wholeMonth(today);
    case kLastMonth:
        return wholeMonth(QDate(today.year(), today.month(), 1).addMonths(-1));
    case kThisWeek:
        return weekFrom(modHelpers::GetWeekStart(today));
    case kLastWeek:
        return weekFrom(modHelpers::GetWeekStart(today.addDays(-7)));
    case kYearToDate:
        return DateRange{QDate(today.year(), 1, 1), today};
    case kLastYear:
        return DateRange{QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)};
    case kLastYearToDate:
        return DateRange{QDate(today.year() - 1, 1, 1), today.addYears(-1)};
    case kPrior12Weeks:
        // The eleven whole weeks before the current one, and the current one up to today.
        return DateRange{modHelpers::GetWeekStart(today).addDays(-77), today};
    default:
        return std::nullopt;
    }
}

QString RangeEntryText(const DateRange &range, const QString &joiningWord) {
    const QLocale locale;
    return locale.toString(range.first, QLocale::ShortFormat) + ' ' + joiningWord + ' ' +
           locale.toString(range.last, QLocale::ShortFormat);
}

} // namespace TimePeriods
