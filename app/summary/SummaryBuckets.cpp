#include "summary/SummaryBuckets.h"

#include "core/modHelpersDates.h"

#include <QLocale>

namespace summary {
namespace {

constexpr int kWeek = 7;

} // namespace

BucketRange BucketRange::Days(QDate first, QDate last) {
    const qint64 days = first.isValid() && last.isValid() ? first.daysTo(last) + 1 : 0;
    return BucketRange(first, static_cast<int>(std::max<qint64>(days, 0)), 1);
}

BucketRange BucketRange::Weeks(QDate start, QDate end) {
    const QDate first = start.isValid() ? modHelpers::GetWeekStart(start) : start;
    if (!first.isValid() || !end.isValid() || end < start)
        return BucketRange(first, 0, kWeek);
    return BucketRange(first, static_cast<int>(first.daysTo(end) / kWeek) + 1, kWeek);
}

int BucketRange::indexOf(QDate day) const {
    if (!first_.isValid() || !day.isValid() || day < first_)
        return -1;
    const qint64 index = first_.daysTo(day) / length_;
    return index < count_ ? static_cast<int>(index) : -1;
}

DateLabels::DateLabels()
    : separator_(modHelpers::GetDateSeparator()),
      dayFirst_(modHelpers::GetDateOrderPattern().startsWith('d')) {}

QString DateLabels::monthDay(QDate day) const {
    return dayFirst_ ? QString::number(day.day()) + separator_ + QString::number(day.month())
                     : QString::number(day.month()) + separator_ + QString::number(day.day());
}

QString DateLabels::withYear(QDate day) const {
    return monthDay(day) + separator_ + QString::number(day.year());
}

QString DateLabels::shortDate(QDate day) const {
    return QLocale().toString(day, QLocale::ShortFormat);
}

QStringList AxisLabels(const BucketRange &buckets, const DateLabels &dates) {
    const bool withYears =
        buckets.count() > 0 && buckets.start(buckets.count() - 1) >= buckets.first().addYears(1);
    QStringList labels;
    labels.reserve(buckets.count());
    for (int i = 0; i < buckets.count(); ++i)
        labels.append(withYears ? dates.withYear(buckets.start(i)) : dates.monthDay(buckets.start(i)));
    return labels;
}

} // namespace summary
