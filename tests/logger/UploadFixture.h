#pragma once

#include "DecoderTestSupport.h"
#include "RecorderFixture.h"
#include "upload/SleepWatcher.h"
#include "upload/UploadDialog.h"
#include "upload/UploadProgress.h"
#include "upload/UploadRunner.h"

#include <QLabel>
#include <QPushButton>

#include <functional>
#include <vector>

namespace testing {

// A memory of one heart-rate session and one track session, 1000 bytes in all.
inline encoder::Bytes thousandByteImage() {
    using namespace encoder;
    const std::vector<Bytes> records{shortTrack(10, 20), timeMark(decodertest::kStart), shortTrack(30, 40)};
    const Session track = recordSession(decodertest::kStart, decodertest::kEnd, records);
    const std::size_t trackBytes = encodeImage({track}).size() - 0x180;
    const Bytes samples(1000 - 0x180 - trackBytes - 14, 100);
    return encodeImage({sampleSession(decodertest::kStart, decodertest::kEnd, samples), track});
}

// Uploads with the simulated recorder connected, the progress dialog created but never shown:
// the test ticks it itself and may act between ticks.
class UploadTest : public RecorderTest {
protected:
    static constexpr int kMostTicks = 10000;

    void SetUp() override {
        RecorderTest::SetUp();
        logger::setUploadRunner([this](logger::UploadProgress &progress) { driveDialog(progress); });
    }
    void TearDown() override {
        logger::setUploadRunner({});
        RecorderTest::TearDown();
    }

    void connectWith(const encoder::Bytes &image) {
        recorder->loadImage(image);
        ASSERT_EQ(ConnectToDevice(), 1);
    }

    std::vector<std::uint8_t> primary = std::vector<std::uint8_t>(logger::kDeviceResultCapacity);
    std::vector<std::uint8_t> secondary = std::vector<std::uint8_t>(logger::kDeviceResultCapacity);
    std::uint32_t primaryLength = logger::kDeviceResultCapacity;
    std::uint32_t secondaryLength = logger::kDeviceResultCapacity;

    int32_t getDeviceData() {
        return GetDeviceData(primary.data(), &primaryLength, secondary.data(), &secondaryLength);
    }
    std::span<const std::uint8_t> primaryResult() const { return {primary.data(), primaryLength}; }
    std::span<const std::uint8_t> secondaryResult() const { return {secondary.data(), secondaryLength}; }

    // Called after each tick with the dialog and the tick's number.
    std::function<void(logger::UploadDialog &, int)> afterTick;
    int ticks = 0;
    std::vector<QString> bars;
    QString progressText, cancelText, caption;

private:
    void driveDialog(logger::UploadProgress &progress) {
        logger::UploadDialog dialog(progress);
        progressText = dialog.findChild<QLabel *>("1003")->text();
        cancelText = dialog.findChild<QPushButton *>("1002")->text();
        caption = dialog.windowTitle();
        while (!progress.over()) {
            ASSERT_LT(ticks, kMostTicks) << "the upload never ends";
            dialog.tick();
            bars.push_back(dialog.findChild<QLabel *>("1004")->text());
            if (afterTick)
                afterTick(dialog, ++ticks);
            else
                ++ticks;
        }
    }
};

} // namespace testing
