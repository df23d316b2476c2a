#include "core/modDatabase.h"

#include "core/Globals.h"
#include "platform/Paths.h"

#include <QFile>

#include <stdexcept>

namespace modDatabase {
namespace {

struct AddedColumn {
    const char *name;
    const char *statement;
};

// Adds each listed column the table does not have yet, in the order given.
// Column names are compared exactly, as they are declared.
bool addMissingColumns(const QString &table, std::initializer_list<AddedColumn> columns) {
    const QStringList present = gConn.tableColumns(table);
    bool added = false;
    for (const AddedColumn &column : columns) {
        if (!present.contains(QString::fromLatin1(column.name), Qt::CaseSensitive)) {
            gConn.executeScript(column.statement);
            added = true;
        }
    }
    return added;
}

// The indexes that the graphs' and lists' queries read through; files made before they were part
// of the initial database get them here.
constexpr const char *kIndexes =
    "CREATE INDEX IF NOT EXISTS sessions_by_date ON sessions (session_date);"
    "CREATE INDEX IF NOT EXISTS sessions_by_start ON sessions (Session_datetime);"
    "CREATE INDEX IF NOT EXISTS sessiondata_by_session ON sessiondata "
    "(session_prkey, data_type, cum_duration);"
    // The altitude graph reads years of GPS altitudes, in time order, from this index alone.
    "CREATE INDEX IF NOT EXISTS gps_altitudes_by_session ON sessiondata "
    "(session_prkey, data_type, cum_duration, prkey, Altitude) WHERE data_type = 2;";

// The automatic import's record of the claimed files whose activity is stored.
constexpr const char *kStoredClaims = "CREATE TABLE IF NOT EXISTS storedClaims (claim TEXT PRIMARY KEY);";

} // namespace

void UpgradeDatabaseSchema() {
    platform::db::Transaction transaction(gConn);
    addMissingColumns("SessionData", {{"ACQStatus", "alter table SessionData add ACQStatus number"},
                                      {"TrueHeading", "alter table SessionData add TrueHeading number"},
                                      {"MagHeading", "alter table SessionData add MagHeading number"}});
    addMissingColumns("Sessions", {{"Graph1", "alter table Sessions add Graph1 number"},
                                   {"Graph2", "alter table Sessions add Graph2 number"}});
    if (addMissingColumns("preferences",
                          {{"UseSmoothing", "alter table preferences add UseSmoothing number"}}))
        gConn.executeScript("update preferences set UseSmoothing = 0");
    addMissingColumns("weeklyData", {{"totalAltitude", "alter table weeklyData add totalAltitude number"}});
    gConn.executeScript(kIndexes);
    gConn.executeScript(kStoredClaims);
    transaction.commit();
}

void DeleteBackupDatabase() {
    const QString backup = platform::paths::backupDatabasePath();
    if (QFile::exists(backup) && !QFile::remove(backup))
        throw std::runtime_error("cannot delete " + backup.toStdString());
}

} // namespace modDatabase
