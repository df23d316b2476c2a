#pragma once

// The database file's upkeep: columns and tables that older files lack, and the left-over backup file.
namespace modDatabase {

// Adds the columns, indexes and tables that older database files lack; running it again changes nothing.
// Throws platform::db::DbError; the whole upgrade is undone on a failure.
void UpgradeDatabaseSchema();

// Removes the backup database beside the database file when one is there.
// Throws std::runtime_error when it is there and cannot be removed.
void DeleteBackupDatabase();

} // namespace modDatabase
