#include "protocol/Protocol.h"

#include "InformationDialogs.h"

#include <numeric>

namespace logger {
namespace {

std::uint8_t flagByteOf(int command, std::int32_t argument) {
    switch (command) {
    case kDataSize:
    case kUploadSize:
        return 0xC2;
    case kVersion:
        return argument == 1 ? 0x83 : 0xC3;
    case kRomTest:
    case kRamTest:
        return argument == 1 ? 0x00 : 0x40;
    case kReadBondOption:
        return 0xC1;
    case kMemoryBound:
        return 0xC3;
    case kClearMemory:
    case kStop:
    case kSetClock:
    case kUploadFinished:
    case kTerminateUpload:
    case kEepromTest:
    case kChangeBondOption:
    case kResetBondOption:
        return 0x40;
    default:
        return 0x00;
    }
}

} // namespace

std::uint8_t checksumOf(std::span<const std::uint8_t> bytes) {
    return std::uint8_t(0x100 - std::accumulate(bytes.begin(), bytes.end(), 0u) % 0x100);
}

Frame commandFrame(std::uint8_t flag, int command, std::span<const std::uint8_t> data) {
    Frame frame{flag, std::uint8_t(command * 16 + data.size() + 1)};
    for (const std::uint8_t byte : data)
        frame.push_back(byte);
    frame.push_back(checksumOf(std::span(frame).subspan(1)));
    return frame;
}

Frame queryFrame(int command, std::int32_t argument) {
    if (command == kChangeBondOption) {
        const std::uint8_t value = std::uint8_t(argument + 3);
        return commandFrame(flagByteOf(command, argument), command, std::span(&value, 1));
    }
    return commandFrame(flagByteOf(command, argument), command, {});
}

Frame clockFrame(const ClockFields &fields) {
    return commandFrame(flagByteOf(kSetClock, 0), kSetClock, fields);
}

std::uint32_t ParseReply(const InputReport &reply) {
    if (reply[0] != usb::kReportId)
        return 0;
    if (reply[1] != kReplyMark) {
        setLastError(DeviceError::BadReply);
        return 0;
    }
    const std::uint8_t kind = reply[2];
    switch (kind >> 4) {
    case 0x0:
    case 0x2: {
        const std::uint32_t size = (kind & 0x0Fu) * 65536 + reply[4] * 256u + reply[3];
        return size > kDirectorySize ? size : 0;
    }
    case 0x7: {
        std::uint32_t version = 0;
        for (const std::uint8_t byte : {reply[5], reply[4], reply[3]})
            version = version * 100 + (byte >> 4) * 10 + (byte & 0x0F);
        return version;
    }
    case 0xB:
        return reply[3];
    case 0xE:
        return reply[5] * 65536u + reply[4] * 256u + reply[3];
    default:
        setLastError(DeviceError::Success);
        return 1; // an acknowledgement
    }
}

bool SendDeviceCommand(int command, std::int32_t argument) {
    return SendDeviceCommand(state().transport.get(), command, argument);
}

bool SendDeviceCommand(HidTransport *transport, int command, std::int32_t argument) {
    noteCommandForInformationDialogs(command);
    if (command != kSetClock)
        return WriteReport(transport, queryFrame(command, argument));
    const ClockFields fields =
        argument == 0 ? clockFieldsFor(QDateTime::currentDateTime()) : clockFieldsFor(state().requestedTime);
    noteClockForInformationDialogs(fields);
    return WriteReport(transport, clockFrame(fields));
}

std::uint32_t QueryDevice(int command, std::int32_t argument) {
    if (!OpenHidDevice()) {
        setLastError(DeviceError::NoReply);
        return 0;
    }
    SendDeviceCommand(command, argument);
    InputReport reply;
    if (!ReadReport(reply)) {
        setLastError(DeviceError::NoReply);
        return 0;
    }
    setLastError(DeviceError::Success);
    return ParseReply(reply);
}

} // namespace logger
