#include "mainwindow/ActivityList.h"

#include "core/ActivityListText.h"
#include "platform/Database.h"
#include "sessionview/SessionGraphChoice.h"

#include <QLocale>

namespace ActivityList {

QString StartText(const QDateTime &start) {
    return QLocale().dayName(start.date().dayOfWeek(), QLocale::ShortFormat) + ' ' +
           sessionview::GeneralDateText(start);
}

QString DurationText(double seconds) {
    return ActivityListText::durationText(seconds);
}

QString DescriptionText(const std::optional<QString> &description) {
    if (!description)
        return QStringLiteral(" ");
    QString oneLine = *description;
    oneLine.replace(QLatin1String("\r\n"), QLatin1String(" "));
    // Descriptions typed on this system break lines with a line feed alone.
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return oneLine;
}

QString ItemKey(SessionKey key) {
    return '_' + QString::number(key);
}

std::optional<SessionKey> KeyOfItem(const QString &itemKey) {
    bool isNumber = false;
    const SessionKey key = itemKey.mid(1).toLongLong(&isNumber);
    if (!itemKey.startsWith('_') || !isNumber)
        return std::nullopt;
    return key;
}

std::vector<bool> DaysWithActivities(const QDate &startDay, int count) {
    std::vector<bool> withActivities(static_cast<std::size_t>(std::max(count, 0)), false);
    auto days = gConn.prepare("select distinct session_date from sessions where session_date >= ? and "
                              "session_date < ?");
    days.bindAll(startDay, startDay.addDays(count));
    while (days.step()) {
        const qint64 offset = startDay.daysTo(platform::db::parseIsoDate(days.columnText(0)));
        if (offset >= 0 && offset < count)
            withActivities[static_cast<std::size_t>(offset)] = true;
    }
    return withActivities;
}

QDate DayOf(SessionKey key) {
    auto query = gConn.prepare("select session_date from sessions where prkey = ?");
    query.bind(1, key);
    return query.step() ? platform::db::parseIsoDate(query.columnText(0)) : QDate();
}

} // namespace ActivityList
