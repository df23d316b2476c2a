#pragma once

#include "protocol/Protocol.h"
#include "transport/HidDevice.h"
#include "transport/HidTransport.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace testing {

// A recorder on the bench: answers the command protocol from its own memory, configuration
// area and settings, records every frame it receives, and fails on request.
class SimulatedRecorder : public logger::HidTransport {
public:
    enum class Fault {
        NoReply,    // the read completes with nothing
        ShortReply, // only the first shortReplyLength bytes arrive
        WrongMark,  // the second byte is not the reply mark
        TimeOut,    // nothing arrives within the time-out
        Vanish,     // unplugged: this read fails, and so does everything after it
        WriteFails, // the next write reaches nothing
    };

    static constexpr std::uint32_t kConfigurationBase = 0xF000;
    static constexpr std::uint8_t kDefaultBondOption = 0x21;

    bool plugged = true;
    std::uint32_t versionOfPart1 = 101002;
    std::uint32_t versionOfPart2 = 167001; // the model version
    std::uint32_t dataSize = 4096;
    std::uint32_t memoryBound = 0x20000;
    std::uint8_t bondOption = kDefaultBondOption;
    logger::ClockFields clock{};
    std::vector<std::uint8_t> memory = std::vector<std::uint8_t>(0x100000);
    std::array<std::uint8_t, 0x100> configuration{}; // from kConfigurationBase
    std::size_t shortReplyLength = 3;

    // The fault strikes the reads (or, for WriteFails, the writes) after the next `after`
    // good ones, `times` times (-1: for ever).
    void inject(Fault fault, int after = 0, int times = -1);

    // The recorder holds this memory image: the upload sends it after the upload size command.
    void loadImage(const std::vector<std::uint8_t> &image);
    // The reads of an upload before its first data report: the memory bound and the upload size.
    static constexpr int kRepliesBeforeUploadData = 2;
    int uploadReportsSent() const { return uploadReportsSent_; }
    bool uploading() const { return uploading_; }

    // Every frame received, from the flag byte up to its checksum.
    const std::vector<logger::Frame> &frames() const { return frames_; }
    std::vector<logger::Frame> framesOfCommand(int command) const;
    const std::vector<std::size_t> &writtenReportLengths() const { return writtenLengths_; }
    int opens() const { return opens_; }
    // Every read asked of the recorder, answered or not.
    int reads() const { return reads_; }
    int malformedFrames() const { return malformed_; }

    bool open() override;
    void close() override { isOpen_ = false; }
    bool writeReport(std::span<const std::uint8_t> report) override;
    ReadOutcome readReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds timeout) override;

private:
    struct PendingWrite {
        bool toConfiguration;
        std::uint32_t address;
    };

    bool faultStrikes(bool onWrite);
    void answer(const logger::Frame &frame);
    void answerMemoryAccess(std::span<const std::uint8_t> data);
    void reply(std::uint8_t kind, std::uint32_t value = 0);
    void store(bool toConfiguration, std::uint32_t address, std::uint8_t value);
    std::optional<logger::InputReport> nextReport();

    bool isOpen_ = false;
    std::deque<logger::InputReport> replies_;
    PendingWrite pendingWrite_{false, 0};
    std::vector<logger::Frame> frames_;
    std::vector<std::size_t> writtenLengths_;
    bool uploading_ = false;
    std::uint32_t uploadOffset_ = 0;
    int uploadReportsSent_ = 0;
    int opens_ = 0;
    int reads_ = 0;
    int malformed_ = 0;
    bool faultSet_ = false;
    Fault fault_ = Fault::NoReply;
    int faultAfter_ = 0;
    int faultTimes_ = 0;
};

} // namespace testing
