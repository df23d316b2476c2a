#include "core/modRegistry.h"

#include "platform/SettingsStore.h"

#include <QFileInfo>

#include <limits>

namespace modRegistry {
namespace {

// An INI file's text entry is read into a buffer of 255 characters, terminating zero included.
constexpr int kIniTextLimit = 254;

const QStringList &shortRootNames() {
    static const QStringList names{"HKCU", "HKLM", "HKU", "HKDD", "HKCC", "HKCR"};
    return names;
}

long readIniValue(const QString &file, const QString &keyPath, const QString &valueName, const QString &type,
                  const QVariant &defaultValue, QVariant &result) {
    const auto stored = platform::settings::readEntry(file, keyPath, valueName);
    if (type == "S") {
        result = (stored ? stored->toString() : defaultValue.toString()).left(kIniTextLimit);
        return kSuccess;
    }
    bool isNumber = false;
    const int number = stored ? stored->toString().trimmed().toInt(&isNumber) : 0;
    result = isNumber ? number : 0;
    return kSuccess;
}

long readStoredValue(const QString &file, const QString &keyPath, const QString &valueName,
                     const QString &type, QVariant &result) {
    const auto stored = platform::settings::readEntry(file, keyPath, valueName);
    if (!stored)
        return kNotFound;
    if (type == "S") {
        result = stored->toString();
    } else if (type == "B") {
        result = stored->toBool();
    } else if (type == "D") {
        bool isNumber = false;
        const int number = stored->toString().trimmed().toInt(&isNumber);
        if (!isNumber)
            return kInvalidData;
        result = number;
    }
    return kSuccess;
}

} // namespace

ResolvedRoot ResolveRootKey(const QString &rootName) {
    const QString upper = rootName.toUpper();
    if (shortRootNames().contains(upper))
        return {RootKind::Registry, platform::settings::rootFile(upper)};
    if (!rootName.isEmpty() && QFileInfo(rootName).isFile())
        return {RootKind::IniFile, rootName};
    return {};
}

long ReadRegistryValue(const QString &rootName, const QString &keyPath, const QString &valueName,
                       const QString &valueType, const QVariant &defaultValue, QVariant &result) {
    result = defaultValue;
    const ResolvedRoot root = ResolveRootKey(rootName);
    const QString type = valueType.toUpper();
    switch (root.kind) {
    case RootKind::Invalid:
        return kInvalidRoot;
    case RootKind::IniFile:
        return readIniValue(root.file, keyPath, valueName, type, defaultValue, result);
    case RootKind::Registry:
        break;
    }
    QVariant stored = defaultValue;
    const long status = readStoredValue(root.file, keyPath, valueName, type, stored);
    if (status == kSuccess)
        result = stored;
    return status;
}

long WriteRegistryValue(const QString &rootName, const QString &keyPath, const QString &valueName,
                        const QString &valueType, const QVariant &value) {
    const ResolvedRoot root = ResolveRootKey(rootName);
    const QString type = valueType.toUpper();
    if (root.kind == RootKind::Invalid)
        return kInvalidRoot;
    if (root.kind == RootKind::IniFile) {
        if (type != "S")
            return kInvalidRoot;
        return platform::settings::writeEntry(root.file, keyPath, valueName, value.toString())
                   ? kSuccess
                   : kAccessDenied;
    }

    QVariant toStore;
    if (type == "S") {
        toStore = value.toString();
    } else if (type == "B") {
        toStore = value.toBool();
    } else if (type == "D") {
        bool isNumber = false;
        const qlonglong number = value.toLongLong(&isNumber);
        if (!isNumber || number < std::numeric_limits<qint32>::min() ||
            number > std::numeric_limits<qint32>::max())
            return kInvalidParameter;
        toStore = static_cast<int>(number);
    } else {
        return kInvalidParameter;
    }
    return platform::settings::writeEntry(root.file, keyPath, valueName, toStore) ? kSuccess : kAccessDenied;
}

} // namespace modRegistry
