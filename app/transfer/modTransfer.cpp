#include "transfer/modTransfer.h"

#include "core/DeviceErrorMessages.h"
#include "core/DeviceLibrary.h"
#include "core/Globals.h"
#include "core/modHelpersCursor.h"
#include "core/modLocalisation.h"
#include "core/modPreferences.h"
#include "mainwindow/MainWindowServices.h"
#include "platform/Dialogs.h"
#include "platform/FailureCauses.h"
#include "transfer/CorruptedDataReport.h"
#include "transfer/GpsSessionStore.h"
#include "transfer/HrSessionStore.h"
#include "transfer/NotStoredReport.h"
#include "transfer/RecorderChecks.h"
#include "transfer/RecorderMemory.h"
#include "transfer/ResultBufferWalk.h"
#include "transfer/TransferListing.h"
#include "transfer/TransferState.h"
#include "transfer/frmActivitySummary.h"
#include "transfer/frmNoUniqueData.h"
#include "transfer/modSplice.h"

#include <QLabel>

#include <stdexcept>

namespace modTransfer {
namespace {

using Exports = DeviceLibrary::Exports;

bool transferRunning = false;

class RunningTransfer {
public:
    RunningTransfer() { transferRunning = true; }
    ~RunningTransfer() { transferRunning = false; }
    RunningTransfer(const RunningTransfer &) = delete;
    RunningTransfer &operator=(const RunningTransfer &) = delete;
};

constexpr std::int32_t kSuccess = 0;
constexpr std::int32_t kBuffersTooSmall = 6;
constexpr std::int32_t kTransferError = 7;
constexpr std::int32_t kNothingToUpload = 9;

struct Upload {
    bool delivered = false; // GetDeviceData's result
    std::int32_t code = 0;  // the last-error code after it
};

bool isCode(std::int32_t code, std::int32_t expected) {
    return static_cast<std::int16_t>(code & 0xFFFF) == expected;
}

Upload callGetDeviceData(const Exports &device) {
    auto length1 = static_cast<std::uint32_t>(gDeviceBuf1Len);
    auto length2 = static_cast<std::uint32_t>(gDeviceBuf2Len);
    const std::int32_t result =
        device.GetDeviceData(gDeviceBuf1.data(), &length1, gDeviceBuf2.data(), &length2);
    gDeviceBuf1Len = static_cast<std::int32_t>(length1);
    gDeviceBuf2Len = static_cast<std::int32_t>(length2);
    return {result != 0, device.GetLastDeviceError()};
}

// The recorder's memory could not be decoded past a corrupted or over-long session, and the
// library delivered the whole sessions before it.
bool stoppedAfterWholeSessions(const Upload &upload) {
    return upload.delivered && isCode(upload.code, kTransferError) &&
           (gDeviceBuf1Len > 0 || gDeviceBuf2Len > 0);
}

void showUploadFailure(std::int32_t code) {
    if (const auto failure = UploadFailureMessage(code))
        platform::dialogs::message(failure->text, "Runvella", failure->icon);
}

// The library says how much room its result needs when the buffers are too small; it keeps
// the result, so the second call copies it without uploading again.
Upload uploadMemory(const Exports &device) {
    Upload upload = callGetDeviceData(device);
    SaveTransferProgress(10);
    if (isCode(upload.code, kBuffersTooSmall)) {
        gDeviceBuf1.assign(static_cast<std::size_t>(std::max(gDeviceBuf1Len, 0)) + 1, 0);
        gDeviceBuf2.assign(static_cast<std::size_t>(std::max(gDeviceBuf2Len, 0)) + 1, 0);
        upload = callGetDeviceData(device);
    }
    SaveTransferProgress(15);
    // A stop after whole sessions is told with them, once they are stored.
    if (UploadFailureMessage(upload.code) && !stoppedAfterWholeSessions(upload)) {
        showUploadFailure(upload.code);
        SaveTransferProgress(0);
    }
    return upload;
}

// What the storing steps leave for the listing and the clearing.
struct StoredSessions {
    bool somethingNew = false;
    QStringList notStored; // starts of the sessions that could not be stored or read
};

using Store = StoreResult (*)(std::int32_t index, SessionKey &key, std::int16_t &sessionType);

// Stores the records of one buffer from the list index on; returns the index after the last
// stored one. A record that was not stored leaves its entry to the next record.
std::size_t storeRecords(const std::vector<DeviceSessionRecord> &records, std::int32_t count, Store store,
                         std::size_t listIndex, StoredSessions &stored) {
    for (std::int32_t k = 0; k < count; ++k) {
        DownloadListEntry &entry = gDownloadList[listIndex];
        entry = DownloadListEntryFor(records[k]);
        const StoreResult result = store(k, entry.SessionKey, entry.SessionType);
        if (result.stored()) {
            ++listIndex;
            stored.somethingNew = true;
        } else if (result.outcome == StoreOutcome::Failed) {
            stored.notStored << ShownStart(records[k]);
        }
    }
    return listIndex;
}

StoredSessions storeSessions() {
    StoredSessions stored;
    gDownloadList.assign(static_cast<std::size_t>(gHrSessionCount) + 1, DownloadListEntry{});
    const std::size_t storedHr = storeRecords(gHrSessionRecs, gHrSessionCount, StoreHRSession, 0, stored);
    gHrSessionsStored = static_cast<std::int32_t>(storedHr);
    SaveTransferProgress(35);

    gDownloadList.resize(storedHr + static_cast<std::size_t>(gGpsSessionCount) + 2);
    const std::size_t storedAll =
        storeRecords(gGpsSessionRecs, gGpsSessionCount, StoreGPSSession, storedHr, stored);
    gGpsSessionsStored = static_cast<std::int32_t>(storedAll - storedHr);
    SaveTransferProgress(40);
    return stored;
}

// Says where the recorder's memory stopped being readable: after the last whole session.
void reportStop() {
    const QString lastEnd = LastDeliveredEnd();
    if (lastEnd.isEmpty())
        showUploadFailure(kTransferError);
    else
        ReportCorruptedAfter(lastEnd);
}

// Cuts, stores, lists and shows what the upload delivered; after a stop, that is all that
// could be read.
void storeAndSummarise(const Exports &device, bool uploadStopped) {
    StoredSessions stored;
    for (const ResultBuffer buffer : {ResultBuffer::HeartRate, ResultBuffer::SpeedGps}) {
        if (const auto unreadFrom = CutDeviceBuffer(buffer))
            stored.notStored << *unreadFrom;
        SaveTransferProgress(buffer == ResultBuffer::HeartRate ? 25 : 30);
    }
    if (uploadStopped)
        reportStop();
    if (gDeviceBuf1Len <= 0 && gDeviceBuf2Len <= 0)
        return;

    frmActivitySummary summary(mainwindow::Window());
    summary.lblCompressed->setVisible(device.IsCompressed() != 0);

    const StoredSessions fromStores = storeSessions();
    stored.somethingNew = fromStores.somethingNew;
    stored.notStored << fromStores.notStored;

    if (modSplice::AskSpliceFragments())
        summary.Label2->show();
    ListStoredSessions(summary);

    // Clearing would lose what could not be stored or read: the athlete keeps it on the
    // recorder, and "nothing new" would not be true.
    const bool keepRecorder = uploadStopped || !stored.notStored.isEmpty();
    if (!stored.notStored.isEmpty())
        ReportSessionsNotStored(stored.notStored);
    if (keepRecorder)
        summary.withholdClearing();
    else if (gAlwaysClearDR == 1)
        ClearRecorderMemory();

    if (stored.somethingNew) {
        summary.exec();
        return;
    }
    if (!keepRecorder) {
        frmNoUniqueData notice;
        notice.exec();
    }
    summary.unload();
}

void releaseDevice(const Exports &device, std::int32_t uploadCode) {
    SaveTransferProgress(45);
    if (isCode(uploadCode, kSuccess) || isCode(uploadCode, kNothingToUpload)) {
        device.SyncDeviceTime();
        device.GetLastDeviceError();
    }
    device.ReleaseDevice();
    device.GetLastDeviceError();
    SaveTransferProgress(50);
}

void runTransfer(const Exports &device) {
    SaveTransferProgress(1);
    device.SuppressInternalBoxes();
    modHelpers::SetBusyCursor(1);
    CheckLowBattery(device);
    device.GetLastDeviceError();
    modHelpers::SetBusyCursor(0);
    ReportStorageFailures(device);
    modHelpers::SetBusyCursor(1);
    device.GetLastDeviceError();

    if (gUseCompression)
        device.SetCompression();
    else
        device.ClearCompression();
    SaveTransferProgress(5);
    device.ConnectToDevice();
    device.GetLastDeviceError();

    Upload upload;
    try {
        modPreferences::LoadPreferences();
        upload = uploadMemory(device);
        SaveTransferProgress(20);
        const bool stopped = stoppedAfterWholeSessions(upload);
        if ((isCode(upload.code, kSuccess) || stopped) && upload.delivered)
            storeAndSummarise(device, stopped);
    } catch (...) {
        // The recorder is released on the way out, whatever went wrong.
        releaseDevice(device, -1);
        throw;
    }
    releaseDevice(device, upload.code);
    SaveTransferProgress(0);
    modHelpers::SetBusyCursor(0);
}

const Exports &deviceLibrary() {
    if (const Exports *device = DeviceLibrary::exports())
        return *device;
    throw std::runtime_error("The device library liblogger.so could not be loaded.");
}

} // namespace

void SaveTransferProgress(std::int16_t checkpoint) {
    try {
        modPreferences::StoreTransferProgress(checkpoint);
    } catch (const std::exception &) {
        // The checkpoint only helps to explain a crash; the transfer goes on without it.
    }
}

void TransferFromDevice() {
    if (transferRunning)
        return;
    const RunningTransfer running;
    try {
        runTransfer(deviceLibrary());
    } catch (const std::exception &error) {
        platform::dialogs::message(platform::failures::describe(modLocalisation::LoadResString(1483), error),
                                   "Runvella", platform::dialogs::Icon::Critical);
        modHelpers::SetBusyCursor(0);
        SaveTransferProgress(0);
    }
}

} // namespace modTransfer
