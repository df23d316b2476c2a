#include "platform/FirstStart.h"

#include "platform/Database.h"
#include "platform/FileReplace.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QLocale>

namespace platform::install {
namespace {

QByteArray initialSchema() {
    QFile script(":/schema/initial.sql");
    if (!script.open(QIODevice::ReadOnly))
        throw db::DbError(0, "the initial database script is missing from the program");
    return script.readAll();
}

void createInitialDatabase(const QString &path) {
    const QString partial = path + ".part";
    QFile::remove(partial);
    {
        db::Connection connection;
        connection.create(partial);
        const QByteArray schema = initialSchema();
        db::Transaction transaction(connection);
        connection.executeScript(std::string_view(schema.constData(), schema.size()));
        transaction.commit();
    }
    if (!files::replaceAtomically(partial, path)) {
        QFile::remove(partial);
        throw db::DbError(0, "cannot create " + path.toStdString());
    }
}

void writeMissingSetting(const QString &name, const QVariant &value) {
    const QString file = settings::rootFile(settings::kProgramRoot);
    if (!settings::readEntry(file, settings::kProgramKey, name))
        settings::writeEntry(file, settings::kProgramKey, name, value);
}

} // namespace

int languageOffsetFromLocale() {
    switch (QLocale::system().language()) {
    case QLocale::French:
        return 1000;
    case QLocale::Spanish:
        return 2000;
    case QLocale::German:
        return 3000;
    case QLocale::Italian:
        return 4000;
    default:
        return 0;
    }
}

bool ensureDataFolder() {
    // The database is made last and appears whole (renamed into place), so its presence alone
    // says that an installation is complete; a start that was stopped before then is redone. An
    // empty file, left by a copy that was interrupted, holds nothing: it counts as no database.
    const QFileInfo database(paths::databasePath());
    if (database.exists() && !(database.isFile() && database.size() == 0))
        return false;
    if (!QDir().mkpath(paths::databaseDir()) || !QDir().mkpath(paths::autoImportDir()))
        throw db::DbError(0, "cannot create the data folder " + paths::dataDir().toStdString());
    writeMissingSetting("ShowPrefs", "Yes");
    writeMissingSetting("language", languageOffsetFromLocale());
    createInitialDatabase(paths::databasePath());
    return true;
}

} // namespace platform::install
