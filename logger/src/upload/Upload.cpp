#include "upload/Upload.h"

#include "LibraryState.h"
#include "Messages.h"
#include "protocol/Protocol.h"
#include "transport/HidDevice.h"
#include "upload/OfflineImage.h"
#include "upload/UploadProgress.h"
#include "upload/UploadRunner.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <chrono>
#include <limits>
#include <thread>
#include <utility>

namespace logger {
namespace {

enum Message {
    kDeviceNotConnected = 1,
    kDeviceNotFound = 2,
    kUploadCancelled = 11,
    kStopNotAnswered = 12,
    kNoDataToUpload = 14,
    kNoValidData = 23,
    kUnexpectedUploadError = 24,
    kUploadIncomplete = 26,
    kOfflineImageUnreadable = 27,
};

constexpr std::size_t kOfflineBlockBytes = 256;
// Gives the recorder time to settle after it was stopped in the middle of sending.
constexpr std::chrono::milliseconds kSettleAfterCancel{500};

// The handle the upload from a recorder holds from its first command to its end.
HidTransport *uploadRecorder() {
    return state().upload.transport.get();
}

void setLengths(const UploadTarget &target, std::size_t length1, std::size_t length2) {
    *target.length1 = std::uint32_t(length1);
    *target.length2 = std::uint32_t(length2);
}

void startDecoder(std::uint32_t total) {
    LibraryState &current = state();
    UploadState &upload = current.upload;
    upload.total = total;
    upload.decoder = std::make_unique<MemoryImageDecoder>(upload.mode, total, current.primaryBuffer.size(),
                                                          current.secondaryBuffer.size());
    upload.continuing = true;
}

// The whole entries decoded so far become the kept result.
void keepResult() {
    LibraryState &current = state();
    UploadState &upload = current.upload;
    const MemoryImageDecoder &decoder = *upload.decoder;
    // ReleaseDevice may have freed the buffers while the progress dialog ran.
    if (current.primaryBuffer.size() < decoder.primary().size())
        current.primaryBuffer.resize(decoder.primary().size());
    if (current.secondaryBuffer.size() < decoder.secondary().size())
        current.secondaryBuffer.resize(decoder.secondary().size());
    std::copy(decoder.primary().begin(), decoder.primary().end(), current.primaryBuffer.begin());
    std::copy(decoder.secondary().begin(), decoder.secondary().end(), current.secondaryBuffer.begin());
    upload.primaryLength = decoder.primary().size();
    upload.secondaryLength = decoder.secondary().size();
    upload.counters = decoder.counters();
}

bool keptResultFits(const UploadTarget &target) {
    const UploadState &upload = state().upload;
    return *target.length1 >= upload.primaryLength && *target.length2 >= upload.secondaryLength;
}

bool askForLargerBuffers(const UploadTarget &target) {
    UploadState &upload = state().upload;
    setLengths(target, upload.primaryLength, upload.secondaryLength);
    upload.awaitingLargerBuffers = upload.mode;
    setLastError(DeviceError::BuffersTooSmall);
    return false;
}

bool deliver(const UploadTarget &target) {
    const LibraryState &current = state();
    const UploadState &upload = current.upload;
    std::copy_n(current.primaryBuffer.begin(), upload.primaryLength, target.buffer1);
    std::copy_n(current.secondaryBuffer.begin(), upload.secondaryLength, target.buffer2);
    setLengths(target, upload.primaryLength, upload.secondaryLength);
    state().upload.countsAvailable = true;
    setLastError(upload.stoppedEarly ? DeviceError::UploadError : DeviceError::Success);
    return true;
}

bool deliverOrAskForRoom(const UploadTarget &target) {
    return keptResultFits(target) ? deliver(target) : askForLargerBuffers(target);
}

// The decoder stopped before the announced size, at a session it could not take (or the data
// ran out): the whole sessions before that one are delivered, with code 7 to say that the
// recorder held more. With none, or for the unparsed copy, which has no sessions to keep
// whole, the upload failed.
bool deliverStoppedResult(const UploadTarget &target) {
    keepResult();
    UploadState &upload = state().upload;
    if (upload.mode == DecoderMode::Unparsed || (upload.primaryLength == 0 && upload.secondaryLength == 0)) {
        showMessage(kUnexpectedUploadError);
        setLastError(DeviceError::UploadError);
        return false;
    }
    upload.stoppedEarly = true;
    return deliverOrAskForRoom(target);
}

// The recorder is asked for its memory bound before every upload; the decoder needs only the
// upload size, so the answer is read and not kept.
void askMemoryBound() {
    SendDeviceCommand(uploadRecorder(), kMemoryBound, 0);
    InputReport reply;
    ReadReport(uploadRecorder(), reply);
}

bool reportNothingToUpload(const UploadTarget &target) {
    setLengths(target, 0, 0);
    SendDeviceCommand(uploadRecorder(), kStop, 0);
    InputReport reply;
    if (!ReadReport(uploadRecorder(), reply))
        showMessage(kStopNotAnswered);
    setLastError(DeviceError::NothingToUpload);
    showMessage(kNoDataToUpload);
    return false;
}

bool finishDecodedUpload(const UploadTarget &target) {
    const UploadState &upload = state().upload;
    if (!upload.continuing) {
        SendDeviceCommand(uploadRecorder(), kTerminateUpload, 0);
        return deliverStoppedResult(target);
    }
    keepResult();
    if (!keptResultFits(target))
        return askForLargerBuffers(target);
    if (!upload.decoder->dataPresent()) {
        setLengths(target, 0, 0);
        state().upload.countsAvailable = true;
        setLastError(DeviceError::NoValidData);
        showMessage(kNoValidData);
        return true;
    }
    return deliver(target);
}

bool finishUpload(const UploadProgress &progress, const UploadTarget &target) {
    // TerminateDeviceComm may come after the last tick, while a box of the caller's is up.
    const DeviceError outcome = state().upload.allowed ? progress.outcome() : DeviceError::ReadFailed;
    switch (outcome) {
    case DeviceError::Success:
        return finishDecodedUpload(target);
    case DeviceError::UploadCancelled:
        setLengths(target, 0, 0);
        std::this_thread::sleep_for(kSettleAfterCancel);
        showMessage(kUploadCancelled);
        break;
    case DeviceError::ReadTimedOut:
        setLengths(target, 0, 0);
        showMessage(kUploadIncomplete);
        break;
    case DeviceError::UploadError: // its box was shown by the tick that failed
    case DeviceError::ReadFailed:  // ended by TerminateDeviceComm
        setLengths(target, 0, 0);
        break;
    default: // interrupted by a suspend: the lengths stay as they were
        break;
    }
    setLastError(outcome);
    return false;
}

bool uploadOfflineImage(const UploadTarget &target) {
    showNotice(QStringLiteral("Data has been read from DRROMIMAGE.BIN file."));
    LibraryState &current = state();
    current.primaryBuffer.assign(kOfflineResultCapacity, 0);
    current.secondaryBuffer.assign(kOfflineResultCapacity, 0);
    current.buffersOwned = true;

    QFile image(offlineImagePath());
    if (!image.open(QIODevice::ReadOnly)) {
        showMessage(kOfflineImageUnreadable);
        return false;
    }
    startDecoder(std::uint32_t(std::min<qint64>(image.size(), std::numeric_limits<std::uint32_t>::max())));
    MemoryImageDecoder &decoder = *current.upload.decoder;
    std::array<std::uint8_t, kOfflineBlockBytes> block;
    for (qint64 read; (read = image.read(reinterpret_cast<char *>(block.data()), block.size())) > 0;)
        decoder.ParseUploadBlock(std::span(block.data(), std::size_t(read)), 0);
    // A file that shrank while it was read is as incomplete as a decoder that stopped.
    current.upload.continuing = decoder.stopReason() == DecodeStop::None && decoder.bytesLeft() == 0;
    if (!current.upload.continuing)
        return deliverStoppedResult(target);
    keepResult();
    return deliverOrAskForRoom(target);
}

bool uploadFromRecorder(const UploadTarget &target) {
    if (!state().connected) {
        setLengths(target, 0, 0);
        setLastError(DeviceError::NotConnected);
        showMessage(kDeviceNotFound);
        return false;
    }
    if (!OpenHidDevice()) {
        setLengths(target, 0, 0);
        setLastError(DeviceError::NoReply);
        showMessage(kDeviceNotConnected);
        return false;
    }
    // From here to its end the upload alone speaks to the recorder: the caller's other windows
    // run while it does, and a command of theirs, or a handle opened anew, would take or drop
    // the reports it waits for.
    state().upload.transport = std::exchange(state().transport, nullptr);
    askMemoryBound();
    SendDeviceCommand(uploadRecorder(), kUploadSize, 0);
    InputReport reply;
    if (!ReadReport(uploadRecorder(), reply))
        return false;
    const std::uint32_t total = ParseReply(reply);
    if (total == 0)
        return reportNothingToUpload(target);
    startDecoder(total);
    UploadProgress progress(*uploadRecorder());
    runUploadProgress(progress);
    return finishUpload(progress, target);
}

bool uploadDeviceData(const UploadTarget &target) {
    ResetUploadState();
    // A file that is there but cannot be read is reported, not passed over for the recorder.
    if (QFileInfo::exists(offlineImagePath()))
        return uploadOfflineImage(target);
    return uploadFromRecorder(target);
}

// The upload's handle stays open as the last discovery's, as after any command, unless
// ReleaseDevice came meanwhile.
void giveBackRecorder() {
    std::shared_ptr<HidTransport> recorder = std::exchange(state().upload.transport, nullptr);
    if (!recorder)
        return;
    if (state().connected)
        state().transport = std::move(recorder);
    else
        recorder->close();
}

} // namespace

void ResetUploadState() {
    UploadState &upload = state().upload;
    upload.allowed = true;
    upload.total = 0;
    upload.progressCounter = 0;
    upload.primaryLength = 0;
    upload.secondaryLength = 0;
    upload.countsAvailable = false;
    upload.continuing = false;
    upload.stoppedEarly = false;
    upload.counters = {};
    upload.decoder.reset();
    upload.awaitingLargerBuffers.reset();
}

bool UploadDeviceData(const UploadTarget &target) {
    // The progress dialog lets the caller's windows run; an upload asked for from one of them
    // would pull the decoder from under the running one.
    static bool running = false;
    if (running)
        return false;
    running = true;
    const bool delivered = uploadDeviceData(target);
    giveBackRecorder();
    running = false;
    return delivered;
}

bool keptResultAwaitsDelivery() {
    const LibraryState &current = state();
    const UploadState &upload = current.upload;
    // Code 6 also comes from a connection that could not allocate its buffers, which lost the result.
    return current.lastError == DeviceError::BuffersTooSmall &&
           upload.awaitingLargerBuffers == DecoderMode::Decoded &&
           upload.primaryLength <= current.primaryBuffer.size() &&
           upload.secondaryLength <= current.secondaryBuffer.size();
}

bool deliverKeptResult(const UploadTarget &target) {
    return deliverOrAskForRoom(target);
}

} // namespace logger
