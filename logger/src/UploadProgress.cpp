#include "UploadProgress.h"

#include "LibraryState.h"
#include "Messages.h"
#include "Protocol.h"

#include <algorithm>

namespace logger {
namespace {

enum Message { kDeviceNotConnected = 1, kCancelNotAnswered = 22, kUploadInterrupted = 25 };

} // namespace

bool UploadProgress::end() {
    over_ = true;
    if (stopTicks_)
        stopTicks_();
    return true;
}

bool UploadProgress::tick() {
    if (over_)
        return true;
    UploadState &upload = state().upload;
    if (!upload.allowed) {
        // TerminateDeviceComm stopped the recorder; nothing more will come.
        setLastError(DeviceError::ReadFailed);
        return end();
    }
    upload.progressCounter += kReportDataBytes;
    percent_ = int(std::min<std::uint64_t>(100, std::uint64_t{upload.progressCounter} * 100 / upload.total));
    if (upload.progressCounter >= upload.total + kReportDataBytes) {
        end();
        SendDeviceCommand(kUploadFinished, 0);
        InputReport reply;
        ReadReport(reply); // the acknowledgement changes nothing
        setLastError(DeviceError::Success);
        return true;
    }
    InputReport report;
    if (!ReadReport(report)) {
        end();
        if (state().lastError != DeviceError::ReadTimedOut) {
            showMessage(kDeviceNotConnected);
            setLastError(DeviceError::UploadError);
        }
        return true;
    }
    upload.decoder->ParseUploadBlock(report, 1);
    upload.continuing = upload.decoder->stopReason() == DecodeStop::None;
    if (upload.continuing)
        return false;
    setLastError(DeviceError::Success);
    return end();
}

void UploadProgress::cancel() {
    if (over_)
        return;
    end();
    state().upload.cancelled = true;
    SendDeviceCommand(kStop, 0);
    InputReport reply;
    if (!ReadReport(reply))
        showMessage(kCancelNotAnswered);
    setLastError(DeviceError::UploadCancelled);
}

void UploadProgress::suspend() {
    if (over_)
        return;
    end();
    state().upload.cancelled = true;
    SendDeviceCommand(kTerminateUpload, 0);
    showMessage(kUploadInterrupted);
    setLastError(DeviceError::NothingToUpload);
}

} // namespace logger
