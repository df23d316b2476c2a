#pragma once

#include "exchange/DataFile.h"

#include <QByteArray>
#include <QChar>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Reads the program's data file, versions 1.0, 1.1 and 1.2. The session section is positional:
// line N holds the key of line N or is passed over. A key with an empty value gives the field's
// default; the recorded section, when there is one, gives one sample per row.
namespace DataFileReader {

// What the reading system supplies: the defaults of empty fields and its number notation.
struct Context {
    int primarySport = 1;
    QString primaryUnit = QStringLiteral("mi");
    QChar decimalSeparator = QLatin1Char('.'); // accepted beside "."
    QDateTime now;                             // the start when the file gives none
};

enum class Outcome { Read, NotDataFile, Damaged };

struct Result {
    Outcome outcome = Outcome::Damaged;
    DataFile::Activity activity; // every field filled when Read
    QString problem;             // what was wrong, when Damaged
};

// UTF-8 when the bytes are valid UTF-8, otherwise Windows-1252.
QString DecodeText(const QByteArray &bytes);

// The file's lines. Its first line end (CR LF, CR or LF) is the line end of the whole file, so
// that a lone CR or LF inside a line of a CR LF file stays in its line.
QStringList SplitLines(const QString &text);

Result ParseDataFile(const QByteArray &bytes, const Context &context);

} // namespace DataFileReader
