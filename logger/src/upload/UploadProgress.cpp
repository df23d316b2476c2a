#include "upload/UploadProgress.h"

#include "LibraryState.h"
#include "Messages.h"
#include "protocol/Protocol.h"

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

bool UploadProgress::finish(DeviceError outcome) {
    outcome_ = outcome;
    setLastError(outcome);
    return true;
}

bool UploadProgress::tick() {
    if (over_)
        return true;
    UploadState &upload = state().upload;
    if (!upload.allowed) {
        // TerminateDeviceComm stopped the recorder; nothing more will come.
        end();
        return finish(DeviceError::ReadFailed);
    }
    upload.progressCounter += kReportDataBytes;
    percent_ = int(std::min<std::uint64_t>(100, std::uint64_t{upload.progressCounter} * 100 / upload.total));
    if (upload.progressCounter >= upload.total + kReportDataBytes) {
        end();
        SendDeviceCommand(&recorder_, kUploadFinished, 0);
        InputReport reply;
        ReadReport(&recorder_, reply); // the acknowledgement changes nothing
        return finish(DeviceError::Success);
    }
    InputReport report;
    if (!ReadReport(&recorder_, report)) {
        const bool timedOut = state().lastError == DeviceError::ReadTimedOut;
        end();
        if (timedOut)
            return finish(DeviceError::ReadTimedOut);
        showMessage(kDeviceNotConnected);
        return finish(DeviceError::UploadError);
    }
    upload.decoder->ParseUploadBlock(report, 1);
    upload.continuing = upload.decoder->stopReason() == DecodeStop::None;
    if (upload.continuing)
        return false;
    end();
    return finish(DeviceError::Success);
}

void UploadProgress::cancel() {
    if (over_)
        return;
    end();
    SendDeviceCommand(&recorder_, kStop, 0);
    InputReport reply;
    if (!ReadReport(&recorder_, reply))
        showMessage(kCancelNotAnswered);
    finish(DeviceError::UploadCancelled);
}

void UploadProgress::suspend() {
    if (over_)
        return;
    end();
    SendDeviceCommand(&recorder_, kTerminateUpload, 0);
    showMessage(kUploadInterrupted);
    finish(DeviceError::NothingToUpload);
}

} // namespace logger
