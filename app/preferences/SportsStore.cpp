#include "preferences/SportsStore.h"

namespace preferences {

using platform::db::Connection;

void AddSport(Connection &connection, const QString &name) {
    connection.prepare("insert into sports (Description) values (?)").bindAll(name).execute();
}

std::int64_t CountActivitiesOfSport(Connection &connection, std::int64_t key) {
    auto query = connection.prepare("select count(*) from sessions where Sport = ?");
    query.bind(1, key);
    query.step();
    return query.columnInt64(0);
}

void DeleteSport(Connection &connection, std::int64_t key, bool wasPreferred) {
    platform::db::Transaction transaction(connection);
    connection.prepare("update sessions set Sport = ? where Sport = ?").bindAll(kGeneralSport, key).execute();
    connection.prepare("delete from sports where prkey = ?").bindAll(key).execute();
    if (wasPreferred)
        StorePrimarySport(connection, kGeneralSport);
    transaction.commit();
}

void StorePrimarySport(Connection &connection, std::int64_t key) {
    connection.prepare("update preferences set Primary_Sport = ?").bindAll(key).execute();
}

} // namespace preferences
