#include "SimulatedRecorder.h"

#include <algorithm>
#include <numeric>

namespace testing {
namespace {

std::uint32_t toBcd(std::uint32_t number) {
    std::uint32_t bcd = 0;
    for (int shift = 0; shift < 24; shift += 4, number /= 10)
        bcd |= (number % 10) << shift;
    return bcd;
}

} // namespace

void SimulatedRecorder::inject(Fault fault, int after, int times) {
    faultSet_ = true;
    fault_ = fault;
    faultAfter_ = after;
    faultTimes_ = times;
}

bool SimulatedRecorder::faultStrikes(bool onWrite) {
    if (!faultSet_ || onWrite != (fault_ == Fault::WriteFails))
        return false;
    if (faultAfter_ > 0) {
        --faultAfter_;
        return false;
    }
    if (faultTimes_ == 0)
        return false;
    if (faultTimes_ > 0)
        --faultTimes_;
    return true;
}

std::vector<logger::Frame> SimulatedRecorder::framesOfCommand(int command) const {
    std::vector<logger::Frame> found;
    std::copy_if(frames_.begin(), frames_.end(), std::back_inserter(found),
                 [command](const logger::Frame &frame) { return frame[1] >> 4 == command; });
    return found;
}

void SimulatedRecorder::loadImage(const std::vector<std::uint8_t> &image) {
    std::fill(memory.begin(), memory.end(), 0);
    std::copy(image.begin(), image.end(), memory.begin());
    dataSize = std::uint32_t(image.size());
}

// Replies first; while an upload runs, the memory follows 255 bytes per report.
std::optional<logger::InputReport> SimulatedRecorder::nextReport() {
    logger::InputReport next{};
    if (!replies_.empty()) {
        next = replies_.front();
        replies_.pop_front();
        return next;
    }
    if (!uploading_ || uploadOffset_ >= dataSize)
        return std::nullopt;
    next[0] = logger::usb::kReportId;
    const std::uint32_t count = std::min<std::uint32_t>(255, dataSize - uploadOffset_);
    std::copy_n(memory.begin() + uploadOffset_, count, next.begin() + 1);
    uploadOffset_ += count;
    ++uploadReportsSent_;
    return next;
}

bool SimulatedRecorder::open() {
    // A fresh handle sees no reports left over from an earlier one.
    replies_.clear();
    isOpen_ = plugged;
    opens_ += isOpen_ ? 1 : 0;
    return isOpen_;
}

bool SimulatedRecorder::writeReport(std::span<const std::uint8_t> report) {
    if (!isOpen_ || !plugged || faultStrikes(true))
        return false;
    writtenLengths_.push_back(report.size());
    const std::size_t n = report.size() > 2 ? report[2] & 0x0F : 0;
    if (report.size() < 3 + n || n == 0 || report[0] != logger::usb::kReportId) {
        ++malformed_;
        return true;
    }
    const logger::Frame frame(report.begin() + 1, report.begin() + 3 + std::ptrdiff_t(n));
    frames_.push_back(frame);
    // A frame that does not sum to 0 is ignored, as the recorder does.
    if (std::accumulate(frame.begin() + 1, frame.end(), 0u) % 256 != 0) {
        ++malformed_;
        return true;
    }
    answer(frame);
    return true;
}

SimulatedRecorder::ReadOutcome SimulatedRecorder::readReport(std::span<std::uint8_t> buffer,
                                                             std::chrono::milliseconds) {
    ++reads_;
    if (!isOpen_ || !plugged)
        return {ReadStatus::Failed, 0};
    const auto report = nextReport();
    if (!report)
        return {ReadStatus::TimedOut, 0};
    logger::InputReport next = *report;
    std::size_t length = next.size();
    if (faultStrikes(false)) {
        switch (fault_) {
        case Fault::NoReply:
            return {ReadStatus::Received, 0};
        case Fault::TimeOut:
            return {ReadStatus::TimedOut, 0};
        case Fault::Vanish:
            plugged = false;
            return {ReadStatus::Failed, 0};
        case Fault::WrongMark:
            next[1] = 0x00;
            break;
        case Fault::ShortReply:
            length = shortReplyLength;
            break;
        case Fault::WriteFails:
            break;
        }
    }
    std::copy_n(next.begin(), std::min(length, buffer.size()), buffer.begin());
    return {ReadStatus::Received, length};
}

void SimulatedRecorder::reply(std::uint8_t kind, std::uint32_t value) {
    logger::InputReport report{};
    report[0] = logger::usb::kReportId;
    report[1] = logger::kReplyMark;
    report[2] = kind;
    report[3] = std::uint8_t(value);
    report[4] = std::uint8_t(value >> 8);
    report[5] = std::uint8_t(value >> 16);
    replies_.push_back(report);
}

void SimulatedRecorder::answer(const logger::Frame &frame) {
    const int command = frame[1] >> 4;
    const std::span<const std::uint8_t> data(frame.begin() + 2, frame.end() - 1);
    const auto acknowledge = [&] { reply(std::uint8_t(command << 4)); };
    switch (command) {
    case logger::kDataSize:
    case logger::kUploadSize:
        reply(std::uint8_t(command << 4 | (dataSize >> 16 & 0x0F)), dataSize & 0xFFFF);
        if (command == logger::kUploadSize) {
            uploading_ = dataSize > logger::kDirectorySize;
            uploadOffset_ = 0;
        }
        break;
    case logger::kStop:
    case logger::kUploadFinished:
    case logger::kTerminateUpload:
        uploading_ = false;
        acknowledge();
        break;
    case logger::kClearMemory:
        dataSize = logger::kDirectorySize;
        acknowledge();
        break;
    case logger::kSetClock:
        std::copy(data.begin(), data.end(), clock.begin());
        acknowledge();
        break;
    case logger::kVersion:
        reply(0x70, toBcd(frame[0] == 0x83 ? versionOfPart1 : versionOfPart2));
        break;
    case logger::kReadBondOption:
        reply(0xB0, bondOption);
        break;
    case logger::kChangeBondOption:
        bondOption = std::uint8_t(data[0] - 3);
        acknowledge();
        break;
    case logger::kResetBondOption:
        bondOption = kDefaultBondOption;
        acknowledge();
        break;
    case logger::kMemoryBound:
        reply(0xE0, memoryBound);
        break;
    case logger::kMemoryAccess:
        answerMemoryAccess(data);
        break;
    default:
        acknowledge();
    }
}

void SimulatedRecorder::store(bool toConfiguration, std::uint32_t address, std::uint8_t value) {
    if (!toConfiguration)
        memory.at(address) = value;
    else if (address >= kConfigurationBase && address < kConfigurationBase + configuration.size())
        configuration[address - kConfigurationBase] = value;
}

void SimulatedRecorder::answerMemoryAccess(std::span<const std::uint8_t> data) {
    const std::uint8_t kind = data[0];
    const std::uint32_t address = (kind & 0x0Fu) << 16 | data[1] << 8 | data[2];
    switch (kind & 0xF0) {
    case 0x20: { // configuration read, answered with the bytes from byte 3 on
        reply(0xF0);
        for (std::uint32_t i = 0; i < data[3]; ++i)
            replies_.back()[3 + i] = configuration.at(address + i - kConfigurationBase);
        return;
    }
    case 0x30:
        pendingWrite_ = {true, address};
        return reply(0xF0);
    case 0x10:
        pendingWrite_ = {false, address};
        return reply(0xF0);
    case 0x00: { // memory read: acknowledgement, then the bytes from byte 1 on
        const std::uint32_t count = data[3] | data[4] << 8 | (data[5] >> 4) << 16;
        reply(0xF0);
        if (count == 0)
            return;
        logger::InputReport bytes{};
        bytes[0] = logger::usb::kReportId;
        std::copy_n(memory.begin() + address, std::min<std::uint32_t>(count, 255), bytes.begin() + 1);
        replies_.push_back(bytes);
        return;
    }
    case 0x40:
    case 0x50: // a data packet of the pending write
        for (const std::uint8_t value : data.subspan(1))
            store(pendingWrite_.toConfiguration, pendingWrite_.address++, value);
        return reply(0xF0);
    }
}

} // namespace testing
