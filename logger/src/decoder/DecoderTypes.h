#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace logger {

// What the decoder makes of the recorder's memory image.
enum class DecoderMode : std::uint8_t {
    Decoded = 0,  // gaps filled, invalid records and gap markers replaced
    Raw = 1,      // sample bytes and records copied as stored
    Unparsed = 2, // every image byte copied to the primary buffer, no entries
};

// The record mode byte of a secondary entry: which track records a session holds.
enum class RecordMode : std::uint8_t {
    None = 0,
    ShortTrack = 1,         // 0x15 records
    LongTrack = 2,          // 0x59 records
    ShortTrackWithSide = 3, // 0x15 and 0x25 records
    LongTrackWithSide = 4,  // 0x59 and 0x37 records
    FullTrack = 5,          // 0xF0 records
};

// Record kinds (first byte of a record) and their place in the secondary stream.
namespace record {
inline constexpr std::uint8_t kGapMarker = 0x12;
inline constexpr std::uint8_t kShortTrack = 0x15;
inline constexpr std::uint8_t kShortSide = 0x25;
inline constexpr std::uint8_t kLongSide = 0x37;
inline constexpr std::uint8_t kTimeMark = 0x45;
inline constexpr std::uint8_t kLongTrack = 0x59;
inline constexpr std::uint8_t kFullTrack = 0xF0;
inline constexpr std::size_t kMaxLength = 17;

// Length including the kind byte; 0 for a byte that is no record kind.
constexpr std::size_t lengthOf(std::uint8_t kind) {
    switch (kind) {
    case kGapMarker:
        return 2;
    case kShortTrack:
    case kShortSide:
    case kTimeMark:
        return 5;
    case kLongSide:
        return 7;
    case kLongTrack:
        return 9;
    case kFullTrack:
        return 17;
    default:
        return 0;
    }
}
} // namespace record

// A record's type while a session's records are decoded, by its kind byte; gaps are filled by
// type.
enum class RecordType : std::uint8_t {
    Gap = 0,        // 0x12, and a track record without its valid bit
    ShortTrack = 1, // 0x15
    ShortSide = 2,  // 0x25
    LongSide = 3,   // 0x37
    TimeMark = 4,   // 0x45
    LongTrack = 5,  // 0x59
    FullTrack = 15, // 0xF0
};
inline constexpr std::size_t kRecordTypeSlots = 16;

using RecordBytes = std::array<std::uint8_t, record::kMaxLength>;

// The six counters behind GetPacketErrorCount, in its output order.
struct PacketCounters {
    std::uint32_t samples = 0;        // primary bytes other than 0 and 4
    std::uint32_t zeroSamples = 0;    // primary bytes equal to 0
    std::uint32_t fourSamples = 0;    // primary bytes equal to 4
    std::uint32_t dataRecords = 0;    // records of the six data kinds
    std::uint32_t gapMarkers = 0;     // 0x12 records whose second byte is not 4
    std::uint32_t fourGapMarkers = 0; // 0x12 records whose second byte is 4
    bool operator==(const PacketCounters &) const = default;
};

// Why the decoder stopped taking bytes before every announced byte was taken.
enum class DecodeStop : std::uint8_t {
    None,              // still decoding, or every announced byte was taken
    NoMoreSessions,    // a zero or negative span, a kind it cannot take, or the directory's end
    EntryOutsideImage, // a directory entry gives a session that runs past the announced size
    SessionTooShort,   // a span too short for the kind byte and both date-times
    TruncatedRecord,   // a session's last record runs past the session's end
    ResultBufferFull,  // an entry would not fit in its result buffer
};

// Result buffer sizes: uploads from the recorder, and the offline image file.
inline constexpr std::size_t kDeviceResultCapacity = 0xC0000;
inline constexpr std::size_t kOfflineResultCapacity = 0x40000;

} // namespace logger
