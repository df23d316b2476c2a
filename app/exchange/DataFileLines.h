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
// more memory than a piece and one line of at most kLongestLine characters. They are the lines
// the whole text would give: UTF-8 when every byte of the file is valid UTF-8 (a leading byte
// order mark dropped), otherwise Windows-1252. The file's first line end tells how its lines end:
// in a CR LF file only CR LF ends a line, and a lone CR or LF is text of its line, as a description
// may hold one; in an LF file an LF does, a CR right before it dropped; in a file of lone CRs, as
// old Mac systems wrote them, any of the three does. The reader may let any of the three end every
// later line. No empty line after the last line end.
class DataFileLines {
public:
    // A read that failed: the file goes on past it, so what was read is not the file.
    struct ReadFailed {
        QString reason; // the system's
    };

    // A line longer than kLongestLine characters: none that the program writes comes near it, so
    // the file is damaged there, and reading on would gather it without end.
    struct LineTooLong {};
    static constexpr qsizetype kLongestLine = 1024 * 1024;

    // Runs after each piece taken from the device with the bytes read into lines so far (none
    // while the encoding is told), so that a caller can show progress however long a line is.
    using PieceRead = std::function<void(qint64 bytesRead)>;

    // Reads from the device's position on; the device is read twice, first to tell the encoding.
    // Throws ReadFailed.
    DataFileLines(QIODevice &device, qint64 pieceBytes, PieceRead pieceRead = {});

    // The next line without its end, valid until the next call; nothing after the last line.
    // Throws ReadFailed and LineTooLong.
    std::optional<QStringView> next();

    // From the next line on, CR LF, LF and a lone CR each end a line, whatever the first line
    // ended with.
    void endLinesAtAnyBreak() { ends_ = Ends::AnyBreak; }

    // How many characters the search for line ends has looked at: about each character once,
    // however the pieces fall.
    qint64 charactersSearched() const { return searched_; }

private:
    enum class Ends { NotYetKnown, ReturnFeed, LineFeed, AnyBreak };
    struct End {
        qsizetype at;
        qsizetype length;
    };

    bool isUtf8();
    qint64 read();
    void readPiece();
    std::optional<End> findEnd();
    std::optional<QStringView> takeLine();
    std::optional<QStringView> takeLast();

    QIODevice &device_;
    QByteArray piece_;
    PieceRead pieceRead_;
    qint64 bytesRead_ = 0;
    std::optional<QStringDecoder> utf8_; // none for Windows-1252
    bool bomChecked_ = false;
    bool ended_ = false;
    QString text_; // decoded text not yet handed out, from at_ on
    qsizetype at_ = 0;
    Ends ends_ = Ends::NotYetKnown; // told by the file's first line end
    qsizetype searchFrom_ = 0;      // where the search for the end of the line at at_ goes on
    qint64 searched_ = 0;
};

// Where the needle first occurs in the text from position from on, or -1. Made for the few
// characters of a field separator: it looks for their first character, which is quicker than a
// general search.
qsizetype FindShortText(QStringView text, QStringView needle, qsizetype from);
