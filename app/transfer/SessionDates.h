#pragma once

#include "core/DeviceSessionRecord.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

// The start and end of a recorder session as texts built from its digits: month-first dates
// "MM-DD-YYYY" and times "hh:mm:ss", each digit written as the number it holds.
struct SessionDateTexts {
    QString startDate;
    QString startTime;
    QString endDate;
    QString endTime;
};

SessionDateTexts sessionDateTexts(const DeviceSessionRecord &record);

// The moment a date and time text name, or nothing when they do not form a real date and time
// (a digit above 9, month 13, 25 o'clock...).
std::optional<QDateTime> sessionDateTime(const QString &monthFirstDate, const QString &time);

// A session's start and end, read from its digits.
struct SessionSpan {
    SessionDateTexts texts;
    QDateTime start;
    QDateTime end;
};

// The session's start and end; nothing, after reporting the session as corrupted, when either
// is not a real date and time.
std::optional<SessionSpan> ReadSessionSpan(const DeviceSessionRecord &record);

// The start as the user reads it: the date in the desktop's day, month and year order joined
// by "/", a blank, and the time text.
QString shownStartText(const SessionDateTexts &texts);
QString shownEndText(const SessionDateTexts &texts);
