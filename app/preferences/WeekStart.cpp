#include "preferences/WeekStart.h"

#include <set>

namespace preferences {
namespace {

using platform::db::Connection;

struct GoalMove {
    QString storedKey;
    QDate from;
    QDate to;
};

// A stored week's middle day lies in the new week that shares most of its days.
constexpr int kMiddleOfWeek = 3;

} // namespace

QDate WeekStartOn(const QDate &day, Qt::DayOfWeek firstDay) {
    return day.addDays(-((day.dayOfWeek() - firstDay + 7) % 7));
}

std::vector<QDate> ChangeStartOfWeek(Connection &connection, const QString &firstDay) {
    const bool monday = firstDay == QLatin1String("Monday");
    const Qt::DayOfWeek first = monday ? Qt::Monday : Qt::Sunday;

    platform::db::Transaction transaction(connection);
    connection.prepare("update preferences set Start_of_Week = ?")
        .bindAll(QString(monday ? "Monday" : "Sunday"))
        .execute();

    std::set<QDate> taken;
    std::vector<GoalMove> moves;
    auto weeks = connection.prepare("select theweek from weeklyData order by theweek");
    while (weeks.step()) {
        const QString key = weeks.columnText(0);
        const QDate stored = platform::db::parseIsoDate(key);
        if (!stored.isValid())
            continue;
        const QDate target = WeekStartOn(stored.addDays(kMiddleOfWeek), first);
        if (target == stored)
            taken.insert(stored);
        else
            moves.push_back({key, stored, target});
    }

    std::vector<QDate> kept;
    for (const GoalMove &move : moves) {
        if (!taken.insert(move.to).second) {
            kept.push_back(move.from);
            continue;
        }
        connection.prepare("update weeklyData set theweek = ? where theweek = ?")
            .bindAll(move.to, move.storedKey)
            .execute();
    }
    transaction.commit();
    return kept;
}

} // namespace preferences
