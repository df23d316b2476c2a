#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringDecoder>
#include <QStringView>

#include <functional>
#include <optional>
#include <vector>

// The lines of a data file as it is read, a piece at a time, so that a file of any size takes no
// more memory than a piece and its longest line. They are the lines the whole text would give:
// UTF-8 when every byte of the file is valid UTF-8 (a leading byte order mark dropped), otherwise
// Windows-1252; the file's first line end (CR LF, CR or LF) ends every line, so that a lone CR or
// LF inside a line of a CR LF file stays in its line; no empty line after the last line end.
class DataFileLines {
public:
    // A read that failed: the file goes on past it, so what was read is not the file.
    struct ReadFailed {
        QString reason; // the system's
    };

    // Runs after each piece taken from the device with the bytes read into lines so far (none
    // while the encoding is told), so that a caller can show progress however long a line is.
    using PieceRead = std::function<void(qint64 bytesRead)>;

    // Reads from the device's position on; the device is read twice, first to tell the encoding.
    // Throws ReadFailed.
    DataFileLines(QIODevice &device, qint64 pieceBytes, PieceRead pieceRead = {});

    // The next line without its end, valid until the next call; nothing after the last line.
    // Throws ReadFailed.
    std::optional<QStringView> next();

private:
    bool isUtf8();
    qint64 read();
    bool readPiece();
    bool findLineEnd();

    QIODevice &device_;
    QByteArray piece_;
    PieceRead pieceRead_;
    qint64 bytesRead_ = 0;
    std::optional<QStringDecoder> utf8_; // none for Windows-1252
    bool bomChecked_ = false;
    bool ended_ = false;
    QString text_; // decoded text not yet handed out, from at_ on
    qsizetype at_ = 0;
    QString lineEnd_;           // empty until the first line end is known
    qsizetype lineEndFrom_ = 0; // where the search for the first line end goes on
};

// Where the needle first occurs in the text from position from on, or -1. Made for the few
// characters of a line end or a field separator: it looks for their first character, which is
// quicker than a general search.
qsizetype FindShortText(QStringView text, QStringView needle, qsizetype from);
