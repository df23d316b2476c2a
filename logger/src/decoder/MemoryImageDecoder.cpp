#include "decoder/MemoryImageDecoder.h"

#include <algorithm>

namespace logger {

namespace {
constexpr std::size_t kDirectoryEntries = 128;
constexpr std::size_t kDirectoryBytes = kDirectoryEntries * 3;
// Kind byte, start date-time, end byte and end date-time surround every session's body.
constexpr std::uint32_t kSessionFrameBytes = 14;
constexpr std::uint32_t kEndBytes = 7;
constexpr std::uint8_t kCloseGaps = 255;
} // namespace

MemoryImageDecoder::MemoryImageDecoder(DecoderMode mode, std::uint32_t announcedBytes,
                                       std::size_t primaryCapacity, std::size_t secondaryCapacity)
    : mode_(mode), bytesLeft_(announcedBytes), primary_(primaryCapacity), secondary_(secondaryCapacity) {}

void MemoryImageDecoder::ParseUploadBlock(std::span<const std::uint8_t> block, std::size_t start) {
    if (start >= block.size())
        return;
    const std::uint8_t *bytes = block.data() + start;
    std::size_t count = block.size() - start;
    while (count != 0 && !done()) {
        const std::size_t taken = takeBytes(bytes, std::min<std::size_t>(count, bytesLeft_));
        bytes += taken;
        count -= taken;
    }
}

std::size_t MemoryImageDecoder::takeBytes(const std::uint8_t *bytes, std::size_t count) {
    if (mode_ == DecoderMode::Unparsed) {
        // The copy keeps what fits, whatever the blocks' sizes.
        const std::size_t fitting = std::min(count, primary_.room());
        static_cast<void>(primary_.append({bytes, fitting}));
        bytesLeft_ -= static_cast<std::uint32_t>(fitting);
        dataPresent_ = dataPresent_ || fitting != 0;
        if (fitting < count)
            stop(DecodeStop::ResultBufferFull);
        return count;
    }
    if (state_ == State::Body)
        return takeBodyRun(bytes, count);
    takeByte(*bytes);
    return 1;
}

// The bulk of an image: a run of body bytes up to the session's end byte.
std::size_t MemoryImageDecoder::takeBodyRun(const std::uint8_t *bytes, std::size_t count) {
    const std::size_t run = std::min<std::size_t>(count, sessionBytesLeft_ - kEndBytes);
    if (kind_ == SessionKind::Secondary) {
        staging_.insert(staging_.end(), bytes, bytes + run);
    } else if (kind_ == SessionKind::Both) {
        for (std::size_t i = 0; i < run && stopReason_ == DecodeStop::None; ++i)
            takeMixedByte(bytes[i]);
        if (stopReason_ != DecodeStop::None)
            return run;
    } else if (!takeSampleRun(bytes, run)) {
        stop(DecodeStop::ResultBufferFull);
        return run;
    }
    bytesLeft_ -= static_cast<std::uint32_t>(run);
    sessionBytesLeft_ -= static_cast<std::uint32_t>(run);
    if (sessionBytesLeft_ == kEndBytes)
        state_ = State::EndByte;
    return run;
}

void MemoryImageDecoder::takeByte(std::uint8_t byte) {
    switch (state_) {
    case State::Directory:
        directory_[directoryBytes_ / 3] |= std::uint32_t{byte} << (8 * (directoryBytes_ % 3));
        if (++directoryBytes_ == kDirectoryBytes)
            state_ = State::SessionStart;
        --bytesLeft_;
        return;
    case State::SessionStart:
        startSession(byte);
        break;
    case State::StartDate:
    case State::EndDate:
        takeDateByte(byte);
        break;
    case State::Body:
        takeBodyRun(&byte, 1);
        return;
    case State::EndByte:
        state_ = State::EndDate;
        break;
    }
    if (stopReason_ != DecodeStop::None)
        return;
    --bytesLeft_;
    afterSessionByte();
}

void MemoryImageDecoder::afterSessionByte() {
    --sessionBytesLeft_;
    if (sessionBytesLeft_ == kEndBytes)
        state_ = State::EndByte;
    else if (sessionBytesLeft_ == 0)
        endSession();
}

void MemoryImageDecoder::startSession(std::uint8_t kindByte) {
    if (sessionIndex_ >= kDirectoryEntries)
        return stop(DecodeStop::NoMoreSessions);
    // In a full directory the last session has no entry after it: it runs to the end of the data.
    const bool lastEntry = sessionIndex_ + 1 == kDirectoryEntries;
    const std::int64_t span = lastEntry
                                  ? std::int64_t{bytesLeft_}
                                  : std::int64_t{directory_[sessionIndex_ + 1]} - directory_[sessionIndex_];
    if (span <= 0)
        return stop(DecodeStop::NoMoreSessions);
    if (span > bytesLeft_)
        return stop(DecodeStop::EntryOutsideImage);
    if (span < kSessionFrameBytes)
        return stop(DecodeStop::SessionTooShort);

    switch (kindByte >> 4) {
    case 0:
    case 1:
        kind_ = SessionKind::Primary;
        break;
    case 2:
        kind_ = SessionKind::Secondary;
        break;
    case 15:
        kind_ = SessionKind::Both;
        break;
    default:
        kind_ = previousKind_;
        break;
    }
    if (kind_ == SessionKind::None)
        return stop(DecodeStop::NoMoreSessions);
    previousKind_ = kind_;

    inSession_ = true;
    dataPresentBeforeSession_ = dataPresent_;
    primaryEntryStart_ = primary_.size();
    secondaryEntryStart_ = secondary_.size();
    sessionBytesLeft_ = static_cast<std::uint32_t>(span);
    samples_.startSession();
    rawSampleWritten_ = false;
    staging_.clear();
    mixedUnit_ = MixedUnit::Selector;
    recordLength_ = 0;
    dateBytesTaken_ = 0;
    state_ = State::StartDate;

    // Room for L, and in the secondary buffer for the record mode; both are written at the end.
    static constexpr std::uint8_t kReserved[5] = {};
    if ((hasPrimary() && !primary_.append({kReserved, 4})) ||
        (hasSecondary() && !secondary_.append(kReserved)))
        stop(DecodeStop::ResultBufferFull);
}

void MemoryImageDecoder::takeDateByte(std::uint8_t byte) {
    dateBytes_[dateBytesTaken_++] = byte;
    if (dateBytesTaken_ < dateBytes_.size())
        return;
    dateBytesTaken_ = 0;
    const DateDigits digits = dateDigits(dateBytes_);
    if (state_ == State::EndDate) {
        endDigits_ = digits;
        return;
    }
    if ((hasPrimary() && !primary_.append(digits)) || (hasSecondary() && !secondary_.append(digits)))
        return stop(DecodeStop::ResultBufferFull);
    state_ = State::Body;
}

// A mixed session's body: a selector byte, then one sample byte or one whole record.
void MemoryImageDecoder::takeMixedByte(std::uint8_t byte) {
    switch (mixedUnit_) {
    case MixedUnit::Selector:
        mixedUnit_ = (byte >> 4) == 2 ? MixedUnit::RecordKind : MixedUnit::Sample;
        break;
    case MixedUnit::Sample:
        if (!takeSampleByte(byte))
            return stop(DecodeStop::ResultBufferFull);
        mixedUnit_ = MixedUnit::Selector;
        break;
    case MixedUnit::RecordKind:
        // An unknown kind is as long as the record before it, as the records' decoding reads it too.
        if (const std::size_t length = record::lengthOf(byte))
            recordLength_ = length;
        stageRecordByte(byte);
        recordBytesLeft_ = recordLength_;
        mixedUnit_ = recordBytesLeft_ > 1 ? MixedUnit::Record : MixedUnit::Selector;
        break;
    case MixedUnit::Record:
        stageRecordByte(byte);
        if (--recordBytesLeft_ == 1)
            mixedUnit_ = MixedUnit::Selector;
        break;
    }
}

bool MemoryImageDecoder::takeSampleRun(const std::uint8_t *bytes, std::size_t count) {
    // Counted in locals: the compiler cannot keep members in registers across byte stores.
    std::uint32_t zeros = 0;
    std::uint32_t fours = 0;
    bool fitted = true;
    std::size_t taken = 0;
    const auto take = [&](auto sample) {
        for (; taken < count && fitted; ++taken) {
            zeros += bytes[taken] == 0;
            fours += bytes[taken] == 4;
            fitted = sample(bytes[taken]);
        }
    };
    if (mode_ == DecoderMode::Raw)
        take([this](std::uint8_t byte) { return primary_.push(byte); });
    else
        take([this](std::uint8_t byte) { return samples_.ExpandSampleByte(byte, primary_); });
    rawSampleWritten_ = mode_ == DecoderMode::Raw && (rawSampleWritten_ || taken != 0);
    dataPresent_ = dataPresent_ || sampleWritten();
    counters_.zeroSamples += zeros;
    counters_.fourSamples += fours;
    counters_.samples += static_cast<std::uint32_t>(taken) - zeros - fours;
    return fitted;
}

bool MemoryImageDecoder::takeSampleByte(std::uint8_t byte) {
    if (byte == 0)
        ++counters_.zeroSamples;
    else if (byte == 4)
        ++counters_.fourSamples;
    else
        ++counters_.samples;

    if (mode_ == DecoderMode::Raw) {
        rawSampleWritten_ = dataPresent_ = true;
        return primary_.push(byte);
    }
    const bool fitted = samples_.ExpandSampleByte(byte, primary_);
    dataPresent_ = dataPresent_ || samples_.sampleWritten();
    return fitted;
}

bool MemoryImageDecoder::sampleWritten() const {
    return mode_ == DecoderMode::Raw ? rawSampleWritten_ : samples_.sampleWritten();
}

void MemoryImageDecoder::endSession() {
    if (hasPrimary() && !finishPrimaryEntry())
        return stop(DecodeStop::ResultBufferFull);
    if (hasSecondary() && !finishSecondaryEntry())
        return;
    inSession_ = false;
    ++sessionIndex_;
    state_ = State::SessionStart;
}

bool MemoryImageDecoder::finishPrimaryEntry() {
    if (!sampleWritten()) {
        primary_.truncate(primaryEntryStart_);
        return true;
    }
    if (mode_ == DecoderMode::Decoded && samples_.gapsPending() &&
        !samples_.ExpandSampleByte(kCloseGaps, primary_))
        return false;
    if (!primary_.append(endDigits_))
        return false;
    primary_.putBigEndian32(primaryEntryStart_,
                            static_cast<std::uint32_t>(primary_.size() - primaryEntryStart_ - 4));
    return true;
}

bool MemoryImageDecoder::finishSecondaryEntry() {
    decodedRecords_.clear();
    const SecondaryStreamResult result =
        records_.DecodeSecondaryStream(staging_, mode_, counters_, decodedRecords_);
    if (result.truncated) {
        stop(DecodeStop::TruncatedRecord);
        return false;
    }
    if (!result.recordWritten) {
        secondary_.truncate(secondaryEntryStart_);
        return true;
    }
    if (!secondary_.append(decodedRecords_) || !secondary_.append(endDigits_)) {
        stop(DecodeStop::ResultBufferFull);
        return false;
    }
    dataPresent_ = true;
    secondary_.putBigEndian32(secondaryEntryStart_,
                              static_cast<std::uint32_t>(secondary_.size() - secondaryEntryStart_ - 4));
    secondary_.put(secondaryEntryStart_ + 4, static_cast<std::uint8_t>(result.recordMode));
    return true;
}

void MemoryImageDecoder::stop(DecodeStop reason) {
    stopReason_ = reason;
    if (!inSession_)
        return;
    // Nothing of the session in progress stays: every entry in the buffers is whole.
    primary_.truncate(primaryEntryStart_);
    secondary_.truncate(secondaryEntryStart_);
    dataPresent_ = dataPresentBeforeSession_;
    inSession_ = false;
}

} // namespace logger
