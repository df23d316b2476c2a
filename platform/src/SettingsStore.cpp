#include "platform/SettingsStore.h"

#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace platform::settings {
namespace {

// The stored spelling of a name, when one matches without regard to case.
QString storedName(const QStringList &names, const QString &wanted) {
    for (const QString &name : names)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0)
            return name;
    return wanted;
}

} // namespace

QString rootFile(const QString &rootName) {
    return QDir(paths::registryDir()).filePath(rootName.toUpper() + ".ini");
}

std::optional<QVariant> readEntry(const QString &iniPath, const QString &section, const QString &entry) {
    if (!QFileInfo::exists(iniPath))
        return std::nullopt;
    QSettings store(iniPath, QSettings::IniFormat);
    store.beginGroup(storedName(store.childGroups(), section));
    const QString key = storedName(store.childKeys(), entry);
    if (!store.contains(key))
        return std::nullopt;
    return store.value(key);
}

bool writeEntry(const QString &iniPath, const QString &section, const QString &entry, const QVariant &value) {
    if (!QDir().mkpath(QFileInfo(iniPath).absolutePath()))
        return false;
    QSettings store(iniPath, QSettings::IniFormat);
    store.beginGroup(storedName(store.childGroups(), section));
    store.setValue(storedName(store.childKeys(), entry), value);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace platform::settings
