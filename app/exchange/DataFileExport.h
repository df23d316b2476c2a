#pragma once

#include "core/Globals.h"
#include "exchange/DataFile.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The data file of a stored activity. Database failures throw platform::db::DbError.
namespace exchange {

// The activity as the data file carries it, samples only for a recorded one; nothing when no
// activity has the key. A sport that no longer exists is named "General", number 1.
std::optional<DataFile::Activity> ReadDataFileActivity(SessionKey key);

// The file's bytes, for callers that send it rather than keep it. Throws ExchangeError when no
// activity has the key.
QByteArray DataFileText(SessionKey key, bool basicDataOnly = false);

// Writes the file to the path, whole or not at all (ExchangeError), and returns a new name of
// 20 random characters and ".csv". With an empty path the file is written under that name in
// DataFolder(); a given path is replaced without a question.
QString ExportDataFile(SessionKey key, const QString &path, bool basicDataOnly = false);

} // namespace exchange
