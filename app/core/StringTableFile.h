#pragma once

#include <QHash>
#include <QString>

// The text form of one language's string table: one "<id><TAB><text>" line per string, with
// "\n", "\t" and "\\" standing for a line break, a tab and a backslash in the text.
namespace StringTableFile {

QHash<int, QString> parse(const QString &content);

} // namespace StringTableFile
