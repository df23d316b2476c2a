#include "decoder/SecondaryStream.h"

#include "decoder/TimeMark.h"

#include <algorithm>

namespace logger {

namespace {

constexpr std::uint8_t kValidBit = 0x08;

std::optional<RecordType> typeOfKind(std::uint8_t kind) {
    switch (kind) {
    case record::kGapMarker:
        return RecordType::Gap;
    case record::kShortTrack:
        return RecordType::ShortTrack;
    case record::kShortSide:
        return RecordType::ShortSide;
    case record::kLongSide:
        return RecordType::LongSide;
    case record::kTimeMark:
        return RecordType::TimeMark;
    case record::kLongTrack:
        return RecordType::LongTrack;
    case record::kFullTrack:
        return RecordType::FullTrack;
    default:
        return std::nullopt;
    }
}

std::size_t lengthOfType(RecordType type) {
    switch (type) {
    case RecordType::Gap:
        return record::lengthOf(record::kGapMarker);
    case RecordType::ShortTrack:
        return record::lengthOf(record::kShortTrack);
    case RecordType::ShortSide:
        return record::lengthOf(record::kShortSide);
    case RecordType::LongSide:
        return record::lengthOf(record::kLongSide);
    case RecordType::TimeMark:
        return record::lengthOf(record::kTimeMark);
    case RecordType::LongTrack:
        return record::lengthOf(record::kLongTrack);
    case RecordType::FullTrack:
        return record::lengthOf(record::kFullTrack);
    }
    return 0;
}

bool isMultiple(int value, int of) {
    return value % of == 0;
}

// For each position, the first position at or after it that passes `test`; -1 when there is none.
template <typename Test> void fillNextTable(std::vector<int> &table, int count, Test test) {
    table.assign(count + 1, -1);
    for (int i = count - 1; i >= 0; --i)
        table[i] = test(i) ? i : table[i + 1];
}

} // namespace

SecondaryStreamResult SecondaryStreamDecoder::DecodeSecondaryStream(std::span<std::uint8_t> staged,
                                                                    DecoderMode mode,
                                                                    PacketCounters &counters,
                                                                    std::vector<std::uint8_t> &out) {
    staged_ = staged;
    mode_ = mode;
    out_ = &out;
    SecondaryStreamResult result;
    if (!walkRecords()) {
        result.truncated = true;
        return result;
    }
    countRecords(counters);
    if (mode_ == DecoderMode::Decoded)
        invalidateUnmarkedRecords();
    first_.fill(-1);
    for (int i = count() - 1; i >= 0; --i)
        first_[static_cast<int>(records_[i].type)] = i;
    recordMode_ = chooseRecordMode();
    prepareGapFilling();

    lastPosition_.fill(-1);
    lastFilled_.fill(std::nullopt);
    copiedUpTo_ = 0;
    reference_ = {};
    recordWritten_ = appendedOtherThanMark_ = lastAppendedWasMark_ = false;
    trackTakenFromStream_ = sideTakenFromStream_ = lastDataWasSide_ = markSinceLastData_ = false;
    lastAppended_ = lastMarkPosition_ = lastStreamMark_ = lastStreamSide_ = -1;
    timeMarks_ = computedMarks_ = tracksAppended_ = sidesAppended_ = 0;
    lastMark_.reset();

    for (int i = 0; i < count(); ++i) {
        const StreamRecord &r = records_[i];
        if (r.type == RecordType::Gap && mode_ == DecoderMode::Decoded) {
            flushStreamUpTo(r.offset);
            fillGap(i);
            copiedUpTo_ = r.offset + r.length;
        } else {
            appendFromStream(i);
        }
    }
    if (!records_.empty())
        flushStreamUpTo(records_.back().offset + records_.back().length);
    result.recordMode = recordMode_;
    result.recordWritten = recordWritten_;
    return result;
}

bool SecondaryStreamDecoder::walkRecords() {
    records_.clear();
    std::size_t at = 0;
    std::optional<RecordType> previousType;
    std::size_t previousLength = 0;
    while (at < staged_.size()) {
        RecordType type;
        std::size_t length;
        if (const auto known = typeOfKind(staged_[at])) {
            type = *known;
            length = record::lengthOf(staged_[at]);
        } else if (previousType) {
            // The recorder's stream has no resynchronisation: an unknown byte is read as the kind before.
            type = *previousType;
            length = previousLength;
        } else {
            break;
        }
        if (length > staged_.size() - at)
            return false;
        records_.push_back({static_cast<std::uint32_t>(at), static_cast<std::uint8_t>(length), type});
        if (type == RecordType::FullTrack)
            staged_[at + 6] &= 0x7F;
        previousType = type;
        previousLength = length;
        at += length;
    }
    return true;
}

void SecondaryStreamDecoder::countRecords(PacketCounters &counters) const {
    for (const StreamRecord &r : records_) {
        if (r.type != RecordType::Gap)
            ++counters.dataRecords;
        else if (staged_[r.offset + 1] == 4)
            ++counters.fourGapMarkers;
        else
            ++counters.gapMarkers;
    }
}

void SecondaryStreamDecoder::invalidateUnmarkedRecords() {
    for (StreamRecord &r : records_) {
        const bool track = r.type == RecordType::ShortTrack || r.type == RecordType::LongTrack;
        if (track && !(staged_[r.offset + 1] & kValidBit))
            r.type = RecordType::Gap;
        else if (r.type == RecordType::FullTrack && !(staged_[r.offset + 2] & kValidBit))
            r.type = RecordType::Gap;
    }
}

RecordMode SecondaryStreamDecoder::chooseRecordMode() const {
    const auto has = [this](RecordType type) { return firstOf(type) >= 0; };
    if (has(RecordType::ShortTrack))
        return has(RecordType::ShortSide) ? RecordMode::ShortTrackWithSide : RecordMode::ShortTrack;
    if (has(RecordType::LongTrack))
        return has(RecordType::LongSide) ? RecordMode::LongTrackWithSide : RecordMode::LongTrack;
    if (has(RecordType::FullTrack))
        return RecordMode::FullTrack;
    return RecordMode::None;
}

void SecondaryStreamDecoder::prepareGapFilling() {
    track_ = side_ = RecordType::Gap;
    period_ = 1;
    if (mode_ != DecoderMode::Decoded || firstOf(RecordType::Gap) < 0)
        return;
    const auto typeAt = [this](int i) { return records_[i].type; };
    switch (recordMode_) {
    case RecordMode::ShortTrack:
    case RecordMode::LongTrack:
    case RecordMode::FullTrack: {
        const RecordType kind = recordMode_ == RecordMode::ShortTrack  ? RecordType::ShortTrack
                                : recordMode_ == RecordMode::LongTrack ? RecordType::LongTrack
                                                                       : RecordType::FullTrack;
        // A record followed by a time mark or a gap is no firm end point to interpolate towards.
        fillNextTable(nextQualifying_, count(), [&](int i) {
            return typeAt(i) == kind && i + 1 < count() && typeAt(i + 1) != RecordType::TimeMark &&
                   typeAt(i + 1) != RecordType::Gap;
        });
        break;
    }
    case RecordMode::ShortTrackWithSide:
    case RecordMode::LongTrackWithSide: {
        const bool shortTrack = recordMode_ == RecordMode::ShortTrackWithSide;
        track_ = shortTrack ? RecordType::ShortTrack : RecordType::LongTrack;
        side_ = shortTrack ? RecordType::ShortSide : RecordType::LongSide;
        period_ = shortTrack ? 2 : 9;
        fillNextTable(nextTrack_, count(), [&](int i) { return typeAt(i) == track_; });
        fillNextTable(nextSide_, count(), [&](int i) { return typeAt(i) == side_; });
        streamMarksBefore_.assign(count() + 1, 0);
        for (int i = 0; i < count(); ++i)
            streamMarksBefore_[i + 1] = streamMarksBefore_[i] + (typeAt(i) == RecordType::TimeMark ? 1 : 0);
        break;
    }
    case RecordMode::None:
        break;
    }
}

RecordBytes SecondaryStreamDecoder::streamRecord(int i) const {
    RecordBytes bytes{};
    const StreamRecord &r = records_[i];
    std::copy_n(staged_.begin() + r.offset, r.length, bytes.begin());
    return bytes;
}

int SecondaryStreamDecoder::marksBefore(int position) const {
    // Only the long-track mode places its side records by counting around time marks. Every computed
    // mark lies before the gap being filled, hence before `position`.
    if (recordMode_ != RecordMode::LongTrackWithSide)
        return 0;
    return streamMarksBefore_[position] + computedMarks_;
}

std::optional<RecordBytes> SecondaryStreamDecoder::lastOf(RecordType type) const {
    const auto slot = static_cast<std::size_t>(type);
    if (lastFilled_[slot])
        return lastFilled_[slot];
    if (lastPosition_[slot] >= 0)
        return streamRecord(lastPosition_[slot]);
    return std::nullopt;
}

void SecondaryStreamDecoder::flushStreamUpTo(std::size_t offset) {
    out_->insert(out_->end(), staged_.begin() + copiedUpTo_, staged_.begin() + offset);
    copiedUpTo_ = offset;
}

// The record is copied with its neighbours when the next gap or the stream's end is reached.
void SecondaryStreamDecoder::appendFromStream(int i) {
    const StreamRecord &r = records_[i];
    recordWritten_ = true;
    lastAppended_ = i;
    lastAppendedWasMark_ = r.type == RecordType::TimeMark;
    if (r.type == RecordType::TimeMark) {
        if (recordMode_ != RecordMode::ShortTrackWithSide)
            ++timeMarks_;
        lastMark_ = streamRecord(i);
        lastMarkPosition_ = lastStreamMark_ = i;
        markSinceLastData_ = true;
        return;
    }
    if (r.type == RecordType::Gap) // raw mode keeps gap markers as they are
        return;
    appendedOtherThanMark_ = true;
    const auto slot = static_cast<std::size_t>(r.type);
    lastPosition_[slot] = i;
    lastFilled_[slot].reset();
    if (r.type == RecordType::FullTrack)
        reference_ = {true, static_cast<std::uint16_t>((staged_[r.offset + 6] << 8) | staged_[r.offset + 7]),
                      0};
    if (r.type == track_) {
        ++tracksAppended_;
        trackTakenFromStream_ = true;
        lastDataWasSide_ = markSinceLastData_ = false;
    } else if (r.type == side_) {
        ++sidesAppended_;
        sideTakenFromStream_ = true;
        lastStreamSide_ = i;
        lastDataWasSide_ = true;
        markSinceLastData_ = false;
    }
}

void SecondaryStreamDecoder::appendFilled(int i, RecordType kind, const RecordBytes &bytes) {
    out_->insert(out_->end(), bytes.begin(), bytes.begin() + lengthOfType(kind));
    lastFilled_[static_cast<std::size_t>(kind)] = bytes;
    lastAppended_ = i;
    lastAppendedWasMark_ = false;
    appendedOtherThanMark_ = true;
    if (kind == track_) {
        ++tracksAppended_;
        lastDataWasSide_ = markSinceLastData_ = false;
    } else if (kind == side_) {
        ++sidesAppended_;
        lastDataWasSide_ = true;
        markSinceLastData_ = false;
    }
}

void SecondaryStreamDecoder::fillGap(int i) {
    switch (recordMode_) {
    case RecordMode::ShortTrack:
        EmitSecondaryRecord(i, RecordType::ShortTrack);
        break;
    case RecordMode::LongTrack:
        EmitSecondaryRecord(i, RecordType::LongTrack);
        break;
    case RecordMode::FullTrack:
        EmitSecondaryRecord(i, RecordType::FullTrack);
        break;
    case RecordMode::ShortTrackWithSide:
    case RecordMode::LongTrackWithSide:
        ProcessSecondaryRecord(i);
        break;
    case RecordMode::None:
        break;
    }
}

void SecondaryStreamDecoder::EmitSecondaryRecord(int i, RecordType kind) {
    const std::optional<RecordBytes> last = lastOf(kind);
    // Before any record of the kind there is nothing to interpolate from: the first one stands in.
    if (!appendedOtherThanMark_ || !last) {
        appendFilled(i, kind, firstOfType(kind));
        return;
    }
    const int next = nextQualifying_[i + 1];
    if (next < 0) {
        appendFilled(i, kind, *last);
        return;
    }
    if (reference_.gapSpan == 0)
        reference_.gapSpan = std::max(1, next - lastAppended_ - 1);
    appendFilled(i, kind,
                 DecodeDeltaRecord(*last, streamRecord(next), kind, next - i, recordMode_, reference_));
}

void SecondaryStreamDecoder::ProcessSecondaryRecord(int i) {
    const int firstMark = firstOf(RecordType::TimeMark);
    const int firstSide = firstOf(side_);
    // A gap where the quarter-hour time mark is due becomes that time mark.
    const bool markDue = (lastStreamMark_ >= 0 && isMultiple(i - lastStreamMark_, kRecordsPerTimeMark)) ||
                         isMultiple(i - firstSide, kRecordsPerTimeMark);
    if (firstMark >= 0 && markDue) {
        DecodeTimedRecord(i);
        ++timeMarks_;
        return;
    }

    if (tracksAppended_ == 0 && sidesAppended_ == 0) {
        const RecordType kind = isMultiple(firstSide - marksBefore(firstSide), period_) ? side_ : track_;
        appendFilled(i, kind, firstOfType(kind));
        return;
    }

    // One side record comes every `period_` records; find whether this gap is where it belongs.
    bool sideDue = false;
    if (!lastDataWasSide_ || markSinceLastData_) {
        const int nextSide = nextSide_[i];
        sideDue =
            (sidesAppended_ == 0 && isMultiple(firstSide - i, period_)) ||
            (lastStreamSide_ >= 0 && (isMultiple(i - timeMarks_ - lastStreamSide_, period_) ||
                                      (isMultiple(i - lastStreamSide_, period_) && !lastAppendedWasMark_))) ||
            (nextSide >= 0 &&
             isMultiple(nextSide - i - (marksBefore(nextSide) - marksBefore(i + 1)), period_));
    }
    const RecordType kind = sideDue ? side_ : track_;
    const bool taken = sideDue ? sideTakenFromStream_ : trackTakenFromStream_;
    if (!taken) {
        appendFilled(i, kind, firstOfType(kind));
        return;
    }
    const int next = (sideDue ? nextSide_ : nextTrack_)[i + 1];
    const RecordBytes last = *lastOf(kind);
    appendFilled(i, kind,
                 next >= 0
                     ? DecodeDeltaRecord(last, streamRecord(next), kind, next - i, recordMode_, reference_)
                     : last);
}

void SecondaryStreamDecoder::DecodeTimedRecord(int i) {
    const int firstMark = firstOf(RecordType::TimeMark);
    const bool beforeFirst = i < firstMark;
    const RecordBytes reference = beforeFirst ? streamRecord(firstMark) : *lastMark_;
    const int referencePosition = beforeFirst ? firstMark : lastMarkPosition_;
    const RecordBytes mark = timeMarkAfter(reference, i - referencePosition);
    out_->insert(out_->end(), mark.begin(), mark.begin() + lengthOfType(RecordType::TimeMark));
    lastMark_ = mark;
    lastMarkPosition_ = i;
    ++computedMarks_;
    lastAppended_ = i;
    lastAppendedWasMark_ = markSinceLastData_ = true;
}

} // namespace logger
