#include "exchange/DataFileLines.h"

#include "exchange/Windows1252.h"

#include <algorithm>

namespace {

// Whether every byte from the device's position on is valid UTF-8; the position is kept.
bool isUtf8(QIODevice &device, QByteArray &piece) {
    const qint64 start = device.pos();
    QStringDecoder utf8(QStringConverter::Utf8);
    std::vector<QChar> decoded;
    while (!utf8.hasError()) {
        const qint64 read = device.read(piece.data(), piece.size());
        if (read <= 0)
            break;
        const QByteArrayView bytes(piece.constData(), read);
        decoded.resize(utf8.requiredSpace(bytes.size()));
        utf8.appendToBuffer(decoded.data(), bytes);
    }
    // A sequence left unfinished at the end is an error too.
    decoded.resize(utf8.requiredSpace(1));
    utf8.appendToBuffer(decoded.data(), "\n");
    device.seek(start);
    return !utf8.hasError();
}

} // namespace

DataFileLines::DataFileLines(QIODevice &device, qint64 pieceBytes)
    : device_(device), piece_(pieceBytes, '\0') {
    if (isUtf8(device_, piece_))
        utf8_.emplace(QStringConverter::Utf8);
}

bool DataFileLines::readPiece() {
    if (ended_)
        return false;
    const qint64 read = device_.read(piece_.data(), piece_.size());
    if (read <= 0) {
        ended_ = true;
        return false;
    }
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
    return true;
}

// Learns the file's line end from its first CR or LF; false while the text read so far cannot tell.
bool DataFileLines::findLineEnd() {
    for (qsizetype at = 0; at < text_.size(); ++at) {
        if (text_[at] == QLatin1Char('\n')) {
            lineEnd_ = QStringLiteral("\n");
            return true;
        }
        if (text_[at] == QLatin1Char('\r')) {
            if (at + 1 == text_.size() && !ended_)
                return false;
            lineEnd_ = at + 1 < text_.size() && text_[at + 1] == QLatin1Char('\n') ? QStringLiteral("\r\n")
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
