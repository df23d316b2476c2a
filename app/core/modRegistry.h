#pragma once

#include "platform/SettingsStore.h"

#include <QString>
#include <QVariant>

// Persistent settings outside the database, kept under a root ("HKLM", "HKCU", ...) and a key
// path. A root name that is none of the six short names is taken as the path of an INI file.
namespace modRegistry {

// Result codes, as the callers test them.
inline constexpr long kSuccess = 0;
inline constexpr long kNotFound = 2;
inline constexpr long kAccessDenied = 5;
inline constexpr long kInvalidData = 13;
inline constexpr long kInvalidParameter = 87;
inline constexpr long kInvalidRoot = 99;

// The key of every value of the program, under root "HKLM".
inline constexpr const char *kProgramKey = platform::settings::kProgramKey;

enum class RootKind { Invalid, Registry, IniFile };

struct ResolvedRoot {
    RootKind kind = RootKind::Invalid;
    QString file;
};

// valueType: "S" text, "D" 32-bit number, "B" Boolean (case-insensitive). result always holds
// the stored value or defaultValue. Returns 0, 99 for an invalid root, 2 for a missing value.
long ReadRegistryValue(const QString &rootName, const QString &keyPath, const QString &valueName,
                       const QString &valueType, const QVariant &defaultValue, QVariant &result);

// Stores the value, creating the key when needed. Returns 0 only when the value was stored.
long WriteRegistryValue(const QString &rootName, const QString &keyPath, const QString &valueName,
                        const QString &valueType, const QVariant &value);

ResolvedRoot ResolveRootKey(const QString &rootName);

} // namespace modRegistry
