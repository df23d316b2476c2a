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

void DataFileLines::readPiece() {
    const qint64 read = this->read();
    if (read == 0) {
        ended_ = true;
        return;
    }
    bytesRead_ += read;
    // What was handed out goes, so that the text holds little more than the new piece.
    text_.remove(0, at_);
    searchFrom_ -= at_;
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
}

// Where the line that starts at at_ ends; none while the text read so far cannot tell. Each search
// goes on where the last one stopped, so that a long line is not searched again with every piece.
std::optional<DataFileLines::End> DataFileLines::findEnd() {
    const QStringView text = text_;
    const qsizetype size = text.size();
    if (ends_ == Ends::ReturnFeed || ends_ == Ends::LineFeed) {
        for (;;) {
            const qsizetype feed = text.indexOf(QLatin1Char('\n'), searchFrom_);
            searched_ += (feed < 0 ? size : feed + 1) - searchFrom_;
            if (feed < 0) {
                searchFrom_ = size;
                return std::nullopt;
            }
            const bool afterReturn = feed > at_ && text[feed - 1] == QLatin1Char('\r');
            if (afterReturn)
                return End{feed - 1, 2};
            if (ends_ == Ends::LineFeed)
                return End{feed, 1};
            searchFrom_ = feed + 1; // a lone LF is text in a CR LF file
        }
    }
    for (; searchFrom_ < size; ++searchFrom_) {
        ++searched_;
        const QChar c = text[searchFrom_];
        if (c == QLatin1Char('\n')) {
            if (ends_ == Ends::NotYetKnown)
                ends_ = Ends::LineFeed;
            return End{searchFrom_, 1};
        }
        if (c == QLatin1Char('\r')) {
            const qsizetype next = searchFrom_ + 1;
            if (next == size && !ended_)
                return std::nullopt; // an LF may follow in the next piece
            const bool pair = next < size && text[next] == QLatin1Char('\n');
            if (ends_ == Ends::NotYetKnown)
                ends_ = pair ? Ends::ReturnFeed : Ends::AnyBreak;
            return End{searchFrom_, pair ? 2 : 1};
        }
    }
    return std::nullopt;
}

std::optional<QStringView> DataFileLines::takeLine() {
    const auto end = findEnd();
    // A CR that the text read so far ends with may yet begin the line's end.
    const bool mayEndWithReturn = text_.size() > at_ && std::as_const(text_).back() == QLatin1Char('\r');
    const qsizetype length = end ? end->at - at_ : text_.size() - at_ - (mayEndWithReturn ? 1 : 0);
    if (length > kLongestLine)
        throw LineTooLong{};
    if (!end)
        return std::nullopt;
    const QStringView line = QStringView(text_).mid(at_, length);
    at_ = searchFrom_ = end->at + end->length;
    return line;
}

// The text after the last line end, once the file has ended.
std::optional<QStringView> DataFileLines::takeLast() {
    const qsizetype length = text_.size() - at_;
    if (length == 0)
        return std::nullopt;
    if (length > kLongestLine)
        throw LineTooLong{};
    const QStringView last = QStringView(text_).mid(at_);
    at_ = searchFrom_ = text_.size();
    return last;
}

std::optional<QStringView> DataFileLines::next() {
    for (;;) {
        if (const auto line = takeLine())
            return line;
        if (ended_)
            return takeLast();
        readPiece();
    }
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
