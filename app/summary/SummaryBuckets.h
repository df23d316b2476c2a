#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The buckets of the summary graphs: runs of one day or one week that follow each other, and the
// labels they carry.
namespace summary {

class BucketRange {
public:
    // Every day from first to last, both included; none when last is before first.
    static BucketRange Days(QDate first, QDate last);
    // Whole weeks from the first day of the week that holds start (gStartOfWeek) up to the week
    // that holds end: a period that starts or ends inside a week takes that week whole. None when
    // end is before start.
    static BucketRange Weeks(QDate start, QDate end);

    int count() const { return count_; }
    int length() const { return length_; }
    QDate first() const { return first_; }
    QDate start(int bucket) const { return first_.addDays(qint64{bucket} * length_); }
    // The day after the last bucket.
    QDate end() const { return start(count_); }
    // The bucket that holds the day, or -1 outside the buckets.
    int indexOf(QDate day) const;

private:
    BucketRange(QDate first, int count, int length) : first_(first), count_(count), length_(length) {}

    QDate first_;
    int count_;
    int length_;
};

// Short labels of days in the user's date order (3/7 or 7.3), read once for a whole graph.
class DateLabels {
public:
    DateLabels();
    // Month and day, as ToLocalDateOrder gives them.
    QString monthDay(QDate day) const;
    // Month and day, the date separator and the four-digit year.
    QString withYear(QDate day) const;
    // The date in the user's short date form.
    QString shortDate(QDate day) const;

private:
    QString separator_;
    bool dayFirst_;
};

// The buckets' labels on a graph's axis: the month and day of each bucket's first day, with the
// year as well once the buckets reach over a year, where a month and day would come again.
QStringList AxisLabels(const BucketRange &buckets, const DateLabels &dates);

} // namespace summary
