#pragma once

#include "core/Globals.h"

#include <QDateTime>
#include <QString>

// The NMEA file of a stored activity's GPS samples. Database failures throw
// platform::db::DbError.
namespace exchange {

// The local start in UTC, by the time-zone offset in force on the start's own date.
QDateTime UtcStart(const QDateTime &localStart);

// Writes the file to the path, whole or not at all (ExchangeError, also when no activity has
// the key), and returns a new name of 20 random characters and ".txt". With an empty path the
// file is written under that name in DataFolder(). An activity entered by hand or without GPS
// samples gives an empty file.
QString ExportNmeaFile(SessionKey key, const QString &path);

} // namespace exchange
