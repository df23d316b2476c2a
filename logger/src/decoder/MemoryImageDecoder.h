#pragma once

#include "decoder/DateDigits.h"
#include "decoder/DecoderTypes.h"
#include "decoder/ResultBuffer.h"
#include "decoder/SampleExpander.h"
#include "decoder/SecondaryStream.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace logger {

// Decodes the recorder's memory image into the two result buffers while it arrives, block by block.
//
// The image is a directory of 128 three-byte little-endian addresses followed by the sessions back
// to back; session i spans the difference of entries i + 1 and i, and the 128th session of a full
// directory the rest of the data. Each session becomes at most one entry in each buffer:
//   primary:   L (4 bytes, big-endian) | 14 start digits | samples | 14 end digits
//   secondary: L (4 bytes, big-endian) | RecordMode | 14 start digits | records | 14 end digits
// where L counts the bytes after it. In Unparsed mode the primary buffer is a plain copy of the image.
//
// The decoder takes at most `announcedBytes` bytes and never writes past a buffer's capacity. When it
// stops before taking them all, stopReason() says why; the buffers then hold the complete entries of
// the sessions before the one it stopped in, never a partial entry.
class MemoryImageDecoder {
public:
    MemoryImageDecoder(DecoderMode mode, std::uint32_t announcedBytes,
                       std::size_t primaryCapacity = kDeviceResultCapacity,
                       std::size_t secondaryCapacity = kDeviceResultCapacity);

    // Takes block[start] to the block's end: start 1 for an input report (byte 0 is its id), 0 for a
    // block read from an image file. Blocks may have any length and split the image anywhere.
    void ParseUploadBlock(std::span<const std::uint8_t> block, std::size_t start = 0);

    // True once every announced byte was taken or the decoder stopped; further blocks are ignored.
    bool done() const { return bytesLeft_ == 0 || stopReason_ != DecodeStop::None; }
    // Why the decoder stopped before every announced byte was taken; None otherwise.
    DecodeStop stopReason() const { return stopReason_; }
    std::uint32_t bytesLeft() const { return bytesLeft_; }

    // Set when any sample or record was written.
    bool dataPresent() const { return dataPresent_; }
    const PacketCounters &counters() const { return counters_; }
    std::span<const std::uint8_t> primary() const { return primary_.bytes(); }
    std::span<const std::uint8_t> secondary() const { return secondary_.bytes(); }

private:
    enum class State { Directory, SessionStart, StartDate, Body, EndByte, EndDate };
    enum class SessionKind { None, Primary, Secondary, Both };
    enum class MixedUnit { Selector, Sample, RecordKind, Record };

    std::size_t takeBytes(const std::uint8_t *bytes, std::size_t count);
    void takeByte(std::uint8_t byte);
    void afterSessionByte();
    std::size_t takeBodyRun(const std::uint8_t *bytes, std::size_t count);
    void startSession(std::uint8_t kindByte);
    void takeDateByte(std::uint8_t byte);
    void takeMixedByte(std::uint8_t byte);
    [[nodiscard]] bool takeSampleByte(std::uint8_t byte);
    [[nodiscard]] bool takeSampleRun(const std::uint8_t *bytes, std::size_t count);
    void stageRecordByte(std::uint8_t byte) { staging_.push_back(byte); }
    void endSession();
    [[nodiscard]] bool finishPrimaryEntry();
    [[nodiscard]] bool finishSecondaryEntry();
    bool sampleWritten() const;
    void stop(DecodeStop reason);

    bool hasPrimary() const { return kind_ == SessionKind::Primary || kind_ == SessionKind::Both; }
    bool hasSecondary() const { return kind_ == SessionKind::Secondary || kind_ == SessionKind::Both; }

    DecoderMode mode_;
    std::uint32_t bytesLeft_;
    DecodeStop stopReason_ = DecodeStop::None;
    bool dataPresent_ = false;
    PacketCounters counters_;
    ResultBuffer primary_;
    ResultBuffer secondary_;

    State state_ = State::Directory;
    std::array<std::uint32_t, 128> directory_{};
    std::size_t directoryBytes_ = 0;
    std::size_t sessionIndex_ = 0;
    SessionKind kind_ = SessionKind::None;
    SessionKind previousKind_ = SessionKind::None;
    std::uint32_t sessionBytesLeft_ = 0;
    std::array<std::uint8_t, 6> dateBytes_{};
    std::size_t dateBytesTaken_ = 0;
    DateDigits endDigits_{};
    std::size_t primaryEntryStart_ = 0;
    std::size_t secondaryEntryStart_ = 0;
    bool inSession_ = false;
    bool dataPresentBeforeSession_ = false;
    bool rawSampleWritten_ = false;

    MixedUnit mixedUnit_ = MixedUnit::Selector;
    std::size_t recordLength_ = 0;
    std::size_t recordBytesLeft_ = 0;

    SampleExpander samples_;
    std::vector<std::uint8_t> staging_;
    std::vector<std::uint8_t> decodedRecords_;
    SecondaryStreamDecoder records_;
};

} // namespace logger
