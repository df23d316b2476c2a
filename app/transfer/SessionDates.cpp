#include "transfer/SessionDates.h"

#include "core/modHelpersDates.h"
#include "transfer/CorruptedDataReport.h"

#include <QRegularExpression>

namespace {

QString digitsText(const std::uint8_t *digits, std::size_t count) {
    QString text;
    for (std::size_t i = 0; i < count; ++i)
        text += QString::number(digits[i]);
    return text;
}

QString dateText(const std::array<std::uint8_t, 8> &digits) {
    return digitsText(&digits[4], 2) + '-' + digitsText(&digits[6], 2) + '-' + digitsText(&digits[0], 4);
}

QString timeText(const std::array<std::uint8_t, 6> &digits) {
    return digitsText(&digits[0], 2) + ':' + digitsText(&digits[2], 2) + ':' + digitsText(&digits[4], 2);
}

} // namespace

SessionDateTexts sessionDateTexts(const DeviceSessionRecord &record) {
    return {dateText(record.StartDateDigits), timeText(record.StartTimeDigits),
            dateText(record.EndDateDigits), timeText(record.EndTimeDigits)};
}

std::optional<QDateTime> sessionDateTime(const QString &monthFirstDate, const QString &time) {
    static const QRegularExpression dateForm(R"(^(\d\d)-(\d\d)-(\d\d\d\d)$)");
    static const QRegularExpression timeForm(R"(^(\d\d):(\d\d):(\d\d)$)");
    const auto date = dateForm.match(monthFirstDate);
    const auto clock = timeForm.match(time);
    if (!date.hasMatch() || !clock.hasMatch())
        return std::nullopt;
    const QDate day(date.captured(3).toInt(), date.captured(1).toInt(), date.captured(2).toInt());
    const QTime timeOfDay(clock.captured(1).toInt(), clock.captured(2).toInt(), clock.captured(3).toInt());
    if (!day.isValid() || !timeOfDay.isValid())
        return std::nullopt;
    return QDateTime(day, timeOfDay, Qt::UTC); // naive wall-clock time: no daylight-saving shifts
}

QString shownStartText(const SessionDateTexts &texts) {
    return modHelpers::ToSystemDateText(texts.startDate) + ' ' + texts.startTime;
}

QString shownEndText(const SessionDateTexts &texts) {
    return modHelpers::ToSystemDateText(texts.endDate) + ' ' + texts.endTime;
}

std::optional<SessionSpan> ReadSessionSpan(const DeviceSessionRecord &record) {
    const SessionDateTexts texts = sessionDateTexts(record);
    const auto start = sessionDateTime(texts.startDate, texts.startTime);
    const auto end = sessionDateTime(texts.endDate, texts.endTime);
    if (!start || !end) {
        ReportCorruptedData(shownStartText(texts));
        return std::nullopt;
    }
    return SessionSpan{texts, *start, *end};
}
