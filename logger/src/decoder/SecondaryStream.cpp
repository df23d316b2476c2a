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
    appended_ = {};
    trackMode_ = {};
    sideMode_ = {};
    prepareGapFilling();

    for (int i = 0; i < count(); ++i) {
        const StreamRecord &r = records_[i];
        if (r.type == RecordType::Gap && mode_ == DecoderMode::Decoded) {
            flushStreamUpTo(r.offset);
            fillGap(i);
            appended_.copiedUpTo = r.offset + r.length;
        } else {
            appendFromStream(i);
        }
    }
    if (!records_.empty())
        flushStreamUpTo(records_.back().offset + records_.back().length);
    result.recordMode = recordMode_;
    result.recordWritten = appended_.recordWritten;
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
        fillNextTable(trackMode_.nextQualifying, count(), [&](int i) {
            return typeAt(i) == kind && i + 1 < count() && typeAt(i + 1) != RecordType::TimeMark &&
                   typeAt(i + 1) != RecordType::Gap;
        });
        break;
    }
    case RecordMode::ShortTrackWithSide:
    case RecordMode::LongTrackWithSide: {
        const bool shortTrack = recordMode_ == RecordMode::ShortTrackWithSide;
        SideModeState &side = sideMode_;
        side.track = shortTrack ? RecordType::ShortTrack : RecordType::LongTrack;
        side.side = shortTrack ? RecordType::ShortSide : RecordType::LongSide;
        side.period = shortTrack ? 2 : 9;
        fillNextTable(side.nextTrack, count(), [&](int i) { return typeAt(i) == side.track; });
        fillNextTable(side.nextSide, count(), [&](int i) { return typeAt(i) == side.side; });
        side.streamMarksBefore.assign(count() + 1, 0);
        for (int i = 0; i < count(); ++i)
            side.streamMarksBefore[i + 1] =
                side.streamMarksBefore[i] + (typeAt(i) == RecordType::TimeMark ? 1 : 0);
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
    return sideMode_.streamMarksBefore[position] + sideMode_.computedMarks;
}

std::optional<RecordBytes> SecondaryStreamDecoder::lastOf(RecordType type) const {
    const auto slot = static_cast<std::size_t>(type);
    if (appended_.lastFilled[slot])
        return appended_.lastFilled[slot];
    if (appended_.lastPosition[slot])
        return streamRecord(*appended_.lastPosition[slot]);
    return std::nullopt;
}

void SecondaryStreamDecoder::flushStreamUpTo(std::size_t offset) {
    out_->insert(out_->end(), staged_.begin() + appended_.copiedUpTo, staged_.begin() + offset);
    appended_.copiedUpTo = offset;
}

// The record is copied with its neighbours when the next gap or the stream's end is reached.
void SecondaryStreamDecoder::appendFromStream(int i) {
    const StreamRecord &r = records_[i];
    SideModeState &side = sideMode_;
    appended_.recordWritten = true;
    appended_.last = i;
    appended_.lastWasMark = r.type == RecordType::TimeMark;
    if (r.type == RecordType::TimeMark) {
        if (recordMode_ == RecordMode::LongTrackWithSide)
            ++side.timeMarks;
        side.lastMark = streamRecord(i);
        side.lastMarkPosition = side.lastStreamMark = i;
        side.markSinceLastData = true;
        return;
    }
    if (r.type == RecordType::Gap) // raw mode keeps gap markers as they are
        return;
    appended_.otherThanMark = true;
    const auto slot = static_cast<std::size_t>(r.type);
    appended_.lastPosition[slot] = i;
    appended_.lastFilled[slot].reset();
    if (r.type == RecordType::FullTrack)
        appended_.reference = {
            true, static_cast<std::uint16_t>((staged_[r.offset + 6] << 8) | staged_[r.offset + 7]), 0};
    if (r.type == side.track) {
        ++side.tracksAppended;
        side.trackTakenFromStream = true;
        side.lastDataWasSide = side.markSinceLastData = false;
    } else if (r.type == side.side) {
        ++side.sidesAppended;
        side.sideTakenFromStream = true;
        side.lastStreamSide = i;
        side.lastDataWasSide = true;
        side.markSinceLastData = false;
    }
}

void SecondaryStreamDecoder::appendFilled(int i, RecordType kind, const RecordBytes &bytes) {
    SideModeState &side = sideMode_;
    out_->insert(out_->end(), bytes.begin(), bytes.begin() + lengthOfType(kind));
    appended_.lastFilled[static_cast<std::size_t>(kind)] = bytes;
    appended_.last = i;
    appended_.lastWasMark = false;
    appended_.otherThanMark = true;
    if (kind == side.track) {
        ++side.tracksAppended;
        side.lastDataWasSide = side.markSinceLastData = false;
    } else if (kind == side.side) {
        ++side.sidesAppended;
        side.lastDataWasSide = true;
        side.markSinceLastData = false;
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
    if (!appended_.otherThanMark || !last) {
        appendFilled(i, kind, firstOfType(kind));
        return;
    }
    const int next = trackMode_.nextQualifying[i + 1];
    if (next < 0) {
        appendFilled(i, kind, *last);
        return;
    }
    FullTrackReference &reference = appended_.reference;
    if (reference.gapSpan == 0)
        reference.gapSpan = std::max(1, next - appended_.last - 1);
    appendFilled(i, kind,
                 DecodeDeltaRecord(*last, streamRecord(next), kind, next - i, recordMode_, reference));
}

void SecondaryStreamDecoder::ProcessSecondaryRecord(int i) {
    const SideModeState &side = sideMode_;
    const int firstMark = firstOf(RecordType::TimeMark);
    const int firstSide = firstOf(side.side);
    // A gap where the quarter-hour time mark is due becomes that time mark.
    const bool markDue =
        (side.lastStreamMark >= 0 && isMultiple(i - side.lastStreamMark, kRecordsPerTimeMark)) ||
        isMultiple(i - firstSide, kRecordsPerTimeMark);
    if (firstMark >= 0 && markDue) {
        DecodeTimedRecord(i);
        ++sideMode_.timeMarks;
        return;
    }

    if (side.tracksAppended == 0 && side.sidesAppended == 0) {
        const RecordType kind =
            isMultiple(firstSide - marksBefore(firstSide), side.period) ? side.side : side.track;
        appendFilled(i, kind, firstOfType(kind));
        return;
    }

    // One side record comes every `period` records; find whether this gap is where it belongs.
    bool sideDue = false;
    if (!side.lastDataWasSide || side.markSinceLastData) {
        const int nextSide = side.nextSide[i];
        sideDue = (side.sidesAppended == 0 && isMultiple(firstSide - i, side.period)) ||
                  (side.lastStreamSide >= 0 &&
                   (isMultiple(i - side.timeMarks - side.lastStreamSide, side.period) ||
                    (isMultiple(i - side.lastStreamSide, side.period) && !appended_.lastWasMark))) ||
                  (nextSide >= 0 &&
                   isMultiple(nextSide - i - (marksBefore(nextSide) - marksBefore(i + 1)), side.period));
    }
    const RecordType kind = sideDue ? side.side : side.track;
    const bool taken = sideDue ? side.sideTakenFromStream : side.trackTakenFromStream;
    if (!taken) {
        appendFilled(i, kind, firstOfType(kind));
        return;
    }
    const int next = (sideDue ? side.nextSide : side.nextTrack)[i + 1];
    const RecordBytes last = *lastOf(kind);
    appendFilled(i, kind,
                 next >= 0 ? DecodeDeltaRecord(last, streamRecord(next), kind, next - i, recordMode_,
                                               appended_.reference)
                           : last);
}

void SecondaryStreamDecoder::DecodeTimedRecord(int i) {
    SideModeState &side = sideMode_;
    const int firstMark = firstOf(RecordType::TimeMark);
    const bool beforeFirst = i < firstMark;
    const RecordBytes reference = beforeFirst ? streamRecord(firstMark) : *side.lastMark;
    const int referencePosition = beforeFirst ? firstMark : side.lastMarkPosition;
    const RecordBytes mark = timeMarkAfter(reference, i - referencePosition);
    out_->insert(out_->end(), mark.begin(), mark.begin() + lengthOfType(RecordType::TimeMark));
    side.lastMark = mark;
    side.lastMarkPosition = i;
    ++side.computedMarks;
    appended_.last = i;
    appended_.lastWasMark = side.markSinceLastData = true;
}

} // namespace logger
