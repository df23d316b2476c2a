#include "exchange/DataFileLines.h"

#include "exchange/Windows1252.h"

#include <algorithm>
#include <utility>

DataFileLines::DataFileLines(QIODevice &device, qint64 pieceBytes, PieceRead pieceRead)
    : device_(device), piece_(pieceBytes, '\0'), pieceRead_(std::move(pieceRead)) {
    if (isUtf8())
        utf8_.emplace(QStringConverter::Utf8);
}

// A piece from the device into piece_: its size, 0 at the end of the file.
qint64 DataFileLines::read() {
    const qint64 read = device_.read(piece_.data(), piece_.size());
    if (read < 0)
        throw ReadFailed{device_.errorString()};
    return read;
}

// Whether every byte from the device's position on is valid UTF-8; the position is kept.
bool DataFileLines::isUtf8() {
    const qint64 start = device_.pos();
    QStringDecoder utf8(QStringConverter::Utf8);
    std::vector<QChar> decoded;
    while (!utf8.hasError()) {
        const qint64 read = this->read();
        if (read == 0)
            break;
        const QByteArrayView bytes(piece_.constData(), read);
        decoded.resize(utf8.requiredSpace(bytes.size()));
        utf8.appendToBuffer(decoded.data(), bytes);
        if (pieceRead_)
            pieceRead_(0);
    }
    // A sequence left unfinished at the end is an error too.
    decoded.resize(utf8.requiredSpace(1));
    utf8.appendToBuffer(decoded.data(), "\n");
    if (!device_.seek(start))
        throw ReadFailed{device_.errorString()};
    return !utf8.hasError();
}

bool DataFileLines::readPiece() {
    if (ended_)
        return false;
    const qint64 read = this->read();
    if (read == 0) {
        ended_ = true;
        return false;
    }
    bytesRead_ += read;
    // What was handed out goes, so that the text holds little more than the new piece.
    text_.remove(0, at_);
    at_ = 0;
    const QByteArrayView bytes(piece_.constData(), read);
    if (utf8_) {
        const qsizetype kept = text_.size();
        text_.resize(kept + utf8_->requiredSpace(bytes.size()));
        const QChar *end = utf8_->appendToBuffer(text_.data() + kept, bytes);
        text_.truncate(end - text_.constData());
        if (!bomChecked_ && !text_.isEmpty()) {
            bomChecked_ = true;
            if (text_.front() == QChar(0xFEFF))
                text_.remove(0, 1);
        }
    } else {
        text_ += Windows1252::decode(QByteArray::fromRawData(bytes.data(), bytes.size()));
    }
    if (pieceRead_)
        pieceRead_(bytesRead_);
    return true;
}

// Learns the file's line end from its first CR or LF; false while the text read so far cannot
// tell. Each call looks only at the text that came since the last one, so that a file without a
// line end is read in one pass.
bool DataFileLines::findLineEnd() {
    for (; lineEndFrom_ < text_.size(); ++lineEndFrom_) {
        const QChar c = text_[lineEndFrom_];
        if (c == QLatin1Char('\n')) {
            lineEnd_ = QStringLiteral("\n");
            return true;
        }
        if (c == QLatin1Char('\r')) {
            const qsizetype next = lineEndFrom_ + 1;
            if (next == text_.size() && !ended_)
                return false; // an LF may follow in the next piece
            lineEnd_ = next < text_.size() && text_[next] == QLatin1Char('\n') ? QStringLiteral("\r\n")
                                                                               : QStringLiteral("\r");
            return true;
        }
    }
    if (!ended_)
        return false;
    lineEnd_ = QStringLiteral("\n"); // a single line: any end will do
    return true;
}

std::optional<QStringView> DataFileLines::next() {
    while (lineEnd_.isEmpty() && !findLineEnd())
        readPiece();
    qsizetype searchFrom = at_;
    for (;;) {
        const qsizetype end = FindShortText(text_, lineEnd_, searchFrom);
        if (end >= 0) {
            const QStringView line = QStringView(text_).mid(at_, end - at_);
            at_ = end + lineEnd_.size();
            return line;
        }
        // A line end may begin in the text read so far and finish in the next piece.
        const qsizetype searched = text_.size() - at_;
        if (!readPiece())
            break;
        searchFrom = std::max<qsizetype>(0, searched - lineEnd_.size() + 1);
    }
    if (at_ == text_.size())
        return std::nullopt;
    const QStringView last = QStringView(text_).mid(at_);
    at_ = text_.size();
    return last;
}

qsizetype FindShortText(QStringView text, QStringView needle, qsizetype from) {
    for (;;) {
        const qsizetype at = text.indexOf(needle.front(), from);
        if (at < 0 || at + needle.size() > text.size())
            return -1;
        if (std::equal(needle.begin() + 1, needle.end(), text.begin() + at + 1))
            return at;
        from = at + 1;
    }
}
