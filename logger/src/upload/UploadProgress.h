#pragma once

#include "DeviceError.h"

#include <QString>

#include <functional>

// What the progress dialog's timer, its Cancel button and a suspend of the machine do to the
// upload in progress, apart from any window, so that the same steps run with or without one.
namespace logger {

class HidTransport;

// One input report carries this many image bytes.
inline constexpr unsigned kReportDataBytes = 255;

class UploadProgress {
public:
    // The upload reads from the recorder on its own handle.
    explicit UploadProgress(HidTransport &recorder) : recorder_(recorder) {}

    // One timer tick: reads one report and feeds it to the decoder, or, one tick after the
    // last report, ends the upload. Returns true when the upload is over.
    bool tick();
    // The Cancel button: stops the recorder; code 8.
    void cancel();
    // The machine is about to sleep: the upload is interrupted; code 9.
    void suspend();

    // Runs as the upload ends, before any message box it shows: the box's own event loop must
    // not let another tick read from the recorder or close the dialog under it.
    void whenOver(std::function<void()> stopTicks) { stopTicks_ = std::move(stopTicks); }

    bool over() const { return over_; }
    // How the upload ended: 0 when every report was read or the decoder stopped, 2 when
    // TerminateDeviceComm ended it, 7, 8, 9 or 11. Kept apart from the last error, which the
    // caller's other windows may change while the upload's boxes are up.
    DeviceError outcome() const { return outcome_; }
    // The progress bar: one "|" per percent of the announced size, at most 100.
    QString bar() const { return QString(percent_, QLatin1Char('|')); }

private:
    bool end();
    bool finish(DeviceError outcome);

    HidTransport &recorder_;
    bool over_ = false;
    int percent_ = 0;
    DeviceError outcome_ = DeviceError::Success;
    std::function<void()> stopTicks_;
};

} // namespace logger
