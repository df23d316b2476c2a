#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The periods that the summary graphs show: the entries of the period list and the days each
// one covers on a given day.
namespace TimePeriods {

// Period numbers, the item data of the period list's entries.
inline constexpr int kSavedRange = 0; // the custom range in front of the list
inline constexpr int kThisMonth = 1;
inline constexpr int kLastMonth = 2;
inline constexpr int kThisWeek = 3;
inline constexpr int kLastWeek = 4;
inline constexpr int kYearToDate = 5;
inline constexpr int kLastYear = 6;
inline constexpr int kLastYearToDate = 7;
inline constexpr int kPrior12Weeks = 8;
inline constexpr int kCustom = 9; // asks for a range

struct Entry {
    int stringId;
    int period;
};

// The standard entries of the period list, in their order.
inline constexpr Entry kEntries[] = {{1330, kThisMonth},      {1331, kLastMonth},    {1332, kThisWeek},
                                     {1333, kLastWeek},       {1334, kYearToDate},   {1335, kLastYear},
                                     {1336, kLastYearToDate}, {1337, kPrior12Weeks}, {1339, kCustom}};

struct DateRange {
    QDate first;
    QDate last;
    bool operator==(const DateRange &) const = default;
};

// Two days as a range, the earlier one first.
DateRange Ordered(const QDate &one, const QDate &other);

// The days of a period on the day `today`, weeks starting on the first day of the week of the
// preferences. The saved range gives `saved`; Custom and unknown numbers have no days of their
// own. "Last year to date" on 29 February ends on 28 February of the year before.
std::optional<DateRange> PeriodDays(int period, const QDate &today, const DateRange &saved);

// The period list's entry of a range: the first day, the joining word and the last day, each day
// in the user's short date form.
QString RangeEntryText(const DateRange &range, const QString &joiningWord);

} // namespace TimePeriods
