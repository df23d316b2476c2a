#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// The store that stands in for the registry: one INI file per root, the key path as the
// section and the value name as the entry. Sections and entries are matched without regard
// to case, as registry keys and values are.
namespace platform::settings {

// Every setting of the program lives under this key of root "HKLM".
inline constexpr const char *kProgramRoot = "HKLM";
inline constexpr const char *kProgramKey = "SOFTWARE\\Trenlo\\Runvella";

// The file that holds a root ("HKLM" -> <registry folder>/HKLM.ini).
QString rootFile(const QString &rootName);

std::optional<QVariant> readEntry(const QString &iniPath, const QString &section, const QString &entry);

// Writes and flushes the entry; false when the file could not be written.
bool writeEntry(const QString &iniPath, const QString &section, const QString &entry, const QVariant &value);

} // namespace platform::settings
