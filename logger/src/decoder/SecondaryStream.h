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
// One object serves every session of an upload; each session starts from fresh state.
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

    // What the second pass has appended, in every mode.
    struct Appended {
        // The last record of each type: a stream position, or a filled record when lastFilled is set.
        std::array<std::optional<int>, kRecordTypeSlots> lastPosition{};
        std::array<std::optional<RecordBytes>, kRecordTypeSlots> lastFilled{};
        std::size_t copiedUpTo = 0; // stream records are copied to the output in runs between gaps
        FullTrackReference reference;
        bool recordWritten = false;
        bool otherThanMark = false;
        int last = -1;
        bool lastWasMark = false;
    };

    // The modes with one track kind (1, 2 and 5).
    struct TrackModeState {
        std::vector<int> nextQualifying; // next track record followed by neither a time mark nor a gap
    };

    // The modes with side records (3 and 4): one side record every `period` records between the
    // track records, and time marks every quarter of an hour.
    struct SideModeState {
        RecordType track = RecordType::Gap;
        RecordType side = RecordType::Gap;
        int period = 1;
        // Look-ahead tables over the stream's types (positions after a gap never change while it is filled).
        std::vector<int> nextTrack;         // next record of the main kind
        std::vector<int> nextSide;          // next record of the side kind
        std::vector<int> streamMarksBefore; // time marks of the stream before each position
        int timeMarks = 0;                  // the time-mark counter of the long-track mode
        int computedMarks = 0;
        std::optional<RecordBytes> lastMark;
        int lastMarkPosition = -1;
        int lastStreamMark = -1;
        int lastStreamSide = -1;
        bool trackTakenFromStream = false;
        bool sideTakenFromStream = false;
        int tracksAppended = 0;
        int sidesAppended = 0;
        bool lastDataWasSide = false;
        bool markSinceLastData = false;
    };

    Appended appended_;
    TrackModeState trackMode_;
    SideModeState sideMode_;
};

} // namespace logger
