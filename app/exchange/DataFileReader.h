#pragma once

#include "exchange/DataFile.h"

#include <QByteArray>
#include <QChar>
#include <QDateTime>
#include <QIODevice>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

// Reads the program's data file, versions 1.0, 1.1 and 1.2. The session section is positional:
// line N holds the key of line N or, when it holds no other line's key, is passed over. A key
// with an empty value gives the field's default; the recorded section, when there is one, gives
// one sample per row.
namespace DataFileReader {

// What the reading system supplies: the defaults of empty fields and its number notation.
struct Context {
    int primarySport = 1;
    QString primaryUnit = QStringLiteral("mi");
    QChar decimalSeparator = QLatin1Char('.'); // accepted beside "."
    QDateTime now;                             // the start when the file gives none
};

// Unreadable: a read from the device failed, so the file may go on past what was read.
enum class Outcome { Read, NotDataFile, Damaged, Unreadable };

// Where a damaged file is wrong and why: the line to blame, the string table's text of the reason
// and the values for its %1, %2 and %3, as the file wrote them. The reader words nothing itself.
struct Damage {
    std::int64_t line = 0;
    int reason = 0;
    QStringList values;

    bool operator==(const Damage &) const = default;
};

struct Result {
    Outcome outcome = Outcome::Damaged;
    DataFile::Activity activity; // every field filled when Read
    Damage damage;               // when Damaged
    QString problem;             // when Unreadable: the system's reason
};

// A file is read a piece of this many bytes at a time.
inline constexpr qint64 kReadPieceBytes = 64 * 1024;

// What the reading hands over as it goes: the session once its section is read, then each sample
// in file order. Either may throw; the reading then ends with the exception. The bytes read so
// far, after each piece, when pieceRead is given (DataFileLines::PieceRead).
struct Receiver {
    std::function<void(const DataFile::Session &)> session;
    std::function<void(const DataFile::Sample &)> sample;
    std::function<void(qint64 bytesRead)> pieceRead = {};
};

// Reads the file from the device's position on, a piece at a time. When Read, or Damaged or
// Unreadable in its samples, the receiver has had the session and the samples before the damage;
// the result's activity holds the session and no samples. Damage is also a value outside what the
// windows that show it take (a distance, speed or heart rate the entry window refuses, a position
// off the globe, a kind of sample the program does not know), a fraction where only whole numbers
// are written, a line too long for a data file, and a line out of its place: a key of the session
// section on another key's line, "[recorded]" elsewhere than on line 27, and sample rows that the
// reading would pass over. A first or second line too long to be read makes no data file.
Result ReadDataFile(QIODevice &device, const Context &context, const Receiver &receiver,
                    qint64 pieceBytes = kReadPieceBytes);

// The whole file at once, its samples in the result.
Result ParseDataFile(const QByteArray &bytes, const Context &context);

} // namespace DataFileReader
