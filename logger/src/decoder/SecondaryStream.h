#pragma once

#include "decoder/DecoderTypes.h"
#include "decoder/DeltaRecord.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace logger {

struct SecondaryStreamResult {
    bool truncated = false; // the last record runs past the session's end; nothing was appended
    RecordMode recordMode = RecordMode::None;
    bool recordWritten = false; // a record of the stream itself was appended
};

// Decodes the records of one session: walks them, drops invalid records and gap markers (decoded
// mode), chooses the session's record mode and fills every gap from its neighbours of the same kind.
// One object serves every session of an upload and keeps its work areas between them.
class SecondaryStreamDecoder {
public:
    // Appends the session's records to `out`. The staged bytes are changed in place (a flag bit of
    // full-track records is cleared), as the records are delivered with it cleared.
    SecondaryStreamResult DecodeSecondaryStream(std::span<std::uint8_t> staged, DecoderMode mode,
                                                PacketCounters &counters, std::vector<std::uint8_t> &out);

private:
    struct StreamRecord {
        std::uint32_t offset;
        std::uint8_t length;
        RecordType type;
    };

    bool walkRecords();
    void countRecords(PacketCounters &counters) const;
    void invalidateUnmarkedRecords();
    RecordMode chooseRecordMode() const;
    void prepareGapFilling();

    void appendFromStream(int i);
    void fillGap(int i);
    void EmitSecondaryRecord(int i, RecordType kind);
    void ProcessSecondaryRecord(int i);
    void DecodeTimedRecord(int i);
    void appendFilled(int i, RecordType kind, const RecordBytes &bytes);

    RecordBytes streamRecord(int i) const;
    RecordBytes firstOfType(RecordType type) const { return streamRecord(firstOf(type)); }
    int firstOf(RecordType type) const { return first_[static_cast<int>(type)]; }
    int count() const { return static_cast<int>(records_.size()); }
    int marksBefore(int position) const;
    std::optional<RecordBytes> lastOf(RecordType type) const;
    void flushStreamUpTo(std::size_t offset);

    // The session being decoded.
    std::span<std::uint8_t> staged_;
    DecoderMode mode_ = DecoderMode::Decoded;
    std::vector<std::uint8_t> *out_ = nullptr;
    std::vector<StreamRecord> records_;
    std::array<int, kRecordTypeSlots> first_{};
    RecordMode recordMode_ = RecordMode::None;

    // Look-ahead tables over the stream's types (positions after a gap never change while it is filled).
    std::vector<int> nextQualifying_;    // next track record followed by neither a time mark nor a gap
    std::vector<int> nextTrack_;         // next record of the main kind (modes with side records)
    std::vector<int> nextSide_;          // next record of the side kind
    std::vector<int> streamMarksBefore_; // time marks of the stream before each position

    // Second pass.
    // The last record of each type: a stream position, or a filled record when lastFilled_ is set.
    std::array<int, kRecordTypeSlots> lastPosition_{};
    std::array<std::optional<RecordBytes>, kRecordTypeSlots> lastFilled_;
    std::size_t copiedUpTo_ = 0; // stream records are copied to the output in runs between gaps
    FullTrackReference reference_;
    bool recordWritten_ = false;
    bool appendedOtherThanMark_ = false;
    int lastAppended_ = -1;
    bool lastAppendedWasMark_ = false;
    int timeMarks_ = 0; // the time-mark counter of the modes with side records
    int computedMarks_ = 0;
    std::optional<RecordBytes> lastMark_;
    int lastMarkPosition_ = -1;
    int lastStreamMark_ = -1;
    int lastStreamSide_ = -1;
    bool trackTakenFromStream_ = false;
    bool sideTakenFromStream_ = false;
    int tracksAppended_ = 0;
    int sidesAppended_ = 0;
    bool lastDataWasSide_ = false;
    bool markSinceLastData_ = false;
    RecordType track_ = RecordType::Gap; // the main and side kinds of modes 3 and 4
    RecordType side_ = RecordType::Gap;
    int period_ = 1;
};

} // namespace logger
