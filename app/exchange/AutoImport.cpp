#include "exchange/AutoImport.h"

#include "core/modLocalisation.h"
#include "exchange/DataFileImport.h"
#include "platform/Dialogs.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace exchange {
namespace {

using platform::dialogs::Answer;
using platform::dialogs::Buttons;
using platform::dialogs::Icon;

const QString kPlaceholder = QStringLiteral("%X");

void show(const QString &text) {
    platform::dialogs::message(text, QStringLiteral("Runvella"), Icon::Information);
}

// The first free name of run.cs_, run-2.cs_, run-3.cs_ ...
QString setAsideName(const QString &path) {
    const QFileInfo file(path);
    const QString suffix = file.suffix().chopped(1) + '_';
    QString candidate = path.chopped(1) + '_';
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = file.dir().filePath(file.completeBaseName() + '-' + QString::number(n) + '.' + suffix);
    return candidate;
}

// Renames the file so that the next run passes it over, and says so.
void setAside(const QString &path) {
    const QString renamed = setAsideName(path);
    if (!QFile::rename(path, renamed))
        return; // it stays and is tried again at the next start
    show(modLocalisation::LoadResString(1633).replace(kPlaceholder, renamed));
}

void askAboutDamaged(const QString &path) {
    const QString question = modLocalisation::LoadResString(1631).replace(kPlaceholder, path);
    if (platform::dialogs::message(question, QStringLiteral("Runvella"), Icon::Question, Buttons::YesNo) ==
            Answer::Yes &&
        QFile::remove(path)) {
        show(modLocalisation::LoadResString(1632));
        return;
    }
    setAside(path);
}

} // namespace

void ImportAutomatically() {
    const QDir folder(platform::paths::autoImportDir());
    // The list is taken once, so that each file is tried once whatever becomes of it.
    const QStringList names = folder.entryList(QDir::Files, QDir::Name);
    for (const QString &name : names) {
        if (!name.toUpper().endsWith(QLatin1String(".CSV")))
            continue;
        const QString path = folder.filePath(name);
        switch (ImportFile(path)) {
        case ImportOutcome::Imported:
            QFile::remove(path);
            break;
        case ImportOutcome::NotDataFile:
            setAside(path);
            break;
        case ImportOutcome::Damaged:
            askAboutDamaged(path);
            break;
        }
    }
}

} // namespace exchange
