#include "UploadFixture.h"
#include "common/ScriptedDialogs.h"
#include "platform/Dialogs.h"

#include <QPushButton>

#include <algorithm>
#include <functional>

using Fault = testing::SimulatedRecorder::Fault;
using logger::DecoderMode;
using testing::UploadTest;

namespace {

bool sameBytes(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end());
}

} // namespace

class Upload : public UploadTest {};

TEST_F(Upload, ThousandBytesAreFourReportsAndTheFifthTickCloses) {
    const auto image = testing::thousandByteImage();
    ASSERT_EQ(image.size(), 1000u);
    connectWith(image);
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 0);

    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(recorder->uploadReportsSent(), 4);
    ASSERT_EQ(bars.size(), 5u);
    EXPECT_EQ(bars[0], QString(25, '|'));
    EXPECT_EQ(bars[2], QString(76, '|'));
    EXPECT_EQ(bars[3], QString(100, '|')) << "1020 of 1000 bytes";
    EXPECT_EQ(bars[4], QString(100, '|'));

    const auto decoded = decodertest::decode(image);
    EXPECT_TRUE(sameBytes(primaryResult(), decoded.primary()));
    EXPECT_TRUE(sameBytes(secondaryResult(), decoded.secondary()));
    EXPECT_EQ(decodertest::sampleEntries(decoded).size(), 1u);
    EXPECT_EQ(decodertest::recordEntries(decoded).size(), 1u);

    // Memory bound, upload size, then the end of the upload after the last report.
    ASSERT_EQ(recorder->frames().size(), 4u);
    EXPECT_EQ(recorder->frames()[1][1] >> 4, logger::kMemoryBound);
    EXPECT_EQ(recorder->frames()[2][1] >> 4, logger::kUploadSize);
    EXPECT_EQ(recorder->frames()[3][1] >> 4, logger::kUploadFinished);

    std::uint32_t counts[6] = {};
    ASSERT_EQ(GetPacketErrorCount(&counts[0], &counts[1], &counts[2], &counts[3], &counts[4], &counts[5]), 1);
    EXPECT_EQ(counts[0], decoded.counters().samples);
    EXPECT_EQ(counts[3], decoded.counters().dataRecords);
}

TEST_F(Upload, DialogSpeaksTheLibrarysLanguage) {
    connectWith(testing::thousandByteImage());
    getDeviceData();
    EXPECT_EQ(progressText, "Upload in progress...");
    EXPECT_EQ(cancelText, "Cancel");
    EXPECT_EQ(caption, "Velko Data Recorder");

    logger::state().languageOffset = 3000;
    getDeviceData();
    EXPECT_EQ(progressText, QString::fromUtf8("Daten werden übertragen..."));
    EXPECT_EQ(cancelText, "Abbrechen");
}

TEST_F(Upload, BuffersTooSmallThenTheKeptResultWithoutAnotherUpload) {
    const auto image = testing::thousandByteImage();
    connectWith(image);
    primaryLength = secondaryLength = 0;
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 6);
    const auto decoded = decodertest::decode(image);
    EXPECT_EQ(primaryLength, decoded.primary().size());
    EXPECT_EQ(secondaryLength, decoded.secondary().size());
    std::uint32_t counts[6];
    EXPECT_EQ(GetPacketErrorCount(&counts[0], &counts[1], &counts[2], &counts[3], &counts[4], &counts[5]), 0);
    EXPECT_EQ(GetLastDeviceError(), 9);

    // GetPacketErrorCount changed the code: the kept result waits only right after code 6.
    primaryLength = secondaryLength = 0;
    getDeviceData();
    const std::size_t framesBefore = recorder->frames().size();
    const int ticksBefore = ticks;
    primaryLength -= 1;
    EXPECT_EQ(getDeviceData(), 0) << "still one byte short";
    EXPECT_EQ(GetLastDeviceError(), 6);
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 0);
    EXPECT_EQ(recorder->frames().size(), framesBefore) << "no device traffic";
    EXPECT_EQ(ticks, ticksBefore);
    EXPECT_TRUE(sameBytes(primaryResult(), decoded.primary()));
    EXPECT_TRUE(sameBytes(secondaryResult(), decoded.secondary()));
    EXPECT_EQ(GetPacketErrorCount(&counts[0], &counts[1], &counts[2], &counts[3], &counts[4], &counts[5]), 1);
}

TEST_F(Upload, OnlyTheDecodedResultIsDeliveredAgain) {
    connectWith(testing::thousandByteImage());
    primaryLength = secondaryLength = 0;
    EXPECT_EQ(getDeviceData(), 0);
    primaryLength = secondaryLength = logger::kDeviceResultCapacity;
    EXPECT_EQ(GetRawData(primary.data(), &primaryLength, secondary.data(), &secondaryLength), 1);
    EXPECT_EQ(recorder->uploadReportsSent(), 8) << "GetRawData uploads again";

    std::uint32_t length = 10;
    EXPECT_EQ(GetEEPROMData(primary.data(), &length), 0);
    EXPECT_EQ(GetLastDeviceError(), 6);
    EXPECT_EQ(length, 1000u) << "the image bytes needed";
    primaryLength = secondaryLength = logger::kDeviceResultCapacity;
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(recorder->uploadReportsSent(), 16) << "an unparsed copy is not passed off as decoded";
}

TEST_F(Upload, UnparsedCopyIsTheImage) {
    const auto image = testing::thousandByteImage();
    connectWith(image);
    std::uint32_t length = logger::kDeviceResultCapacity;
    EXPECT_EQ(GetEEPROMData(primary.data(), &length), 1);
    ASSERT_EQ(length, image.size());
    EXPECT_TRUE(sameBytes({primary.data(), length}, image));
}

TEST_F(Upload, CancelStopsTheRecorder) {
    connectWith(testing::thousandByteImage());
    afterTick = [](logger::UploadDialog &dialog, int tick) {
        if (tick == 2)
            dialog.findChild<QPushButton *>("1002")->click();
    };
    EnableInternalBoxes();
    testing::ScriptedDialogs dialogs;
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 8);
    EXPECT_EQ(primaryLength, 0u);
    EXPECT_EQ(secondaryLength, 0u);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(recorder->framesOfCommand(logger::kStop).size(), 1u);
    EXPECT_TRUE(recorder->framesOfCommand(logger::kUploadFinished).empty());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Upload has been cancelled.");
    std::uint32_t counts[6];
    EXPECT_EQ(GetPacketErrorCount(&counts[0], &counts[1], &counts[2], &counts[3], &counts[4], &counts[5]), 0);
}

TEST_F(Upload, UnansweredCancelIsReportedToo) {
    connectWith(testing::thousandByteImage());
    recorder->inject(Fault::NoReply, testing::SimulatedRecorder::kRepliesBeforeUploadData + 1, 1);
    afterTick = [](logger::UploadDialog &dialog, int tick) {
        if (tick == 1)
            dialog.cancel();
    };
    EnableInternalBoxes();
    testing::ScriptedDialogs dialogs;
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 8);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(dialogs.shown()[0].text, "Error in upload cancel.");
    EXPECT_EQ(dialogs.shown()[1].text, "Upload has been cancelled.");
}

TEST_F(Upload, UnpluggedMidUploadIsAnUploadError) {
    connectWith(testing::thousandByteImage());
    recorder->inject(Fault::Vanish, testing::SimulatedRecorder::kRepliesBeforeUploadData + 2);
    EnableInternalBoxes();
    testing::ScriptedDialogs dialogs;
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 7);
    EXPECT_EQ(primaryLength, 0u);
    EXPECT_EQ(ticks, 3);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Device not connected.");
}

TEST_F(Upload, TimeOutMidUploadLeavesItsCode) {
    connectWith(testing::thousandByteImage());
    recorder->inject(Fault::TimeOut, testing::SimulatedRecorder::kRepliesBeforeUploadData + 1, 1);
    EnableInternalBoxes();
    testing::ScriptedDialogs dialogs;
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 11);
    EXPECT_EQ(primaryLength, 0u);
    EXPECT_EQ(secondaryLength, 0u);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Upload is incomplete.");
}

TEST_F(Upload, SuspendInterruptsTheUpload) {
    connectWith(testing::thousandByteImage());
    // As logind announces it on the system bus: true before sleeping, false after waking.
    afterTick = [](logger::UploadDialog &dialog, int tick) {
        auto *watcher = dialog.findChild<logger::SleepWatcher *>("sleepWatcher");
        ASSERT_TRUE(QMetaObject::invokeMethod(watcher, "prepareForSleep", Q_ARG(bool, tick == 2)));
    };
    EnableInternalBoxes();
    testing::ScriptedDialogs dialogs;
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 9);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(primaryLength, logger::kDeviceResultCapacity) << "lengths untouched";
    EXPECT_EQ(recorder->framesOfCommand(logger::kTerminateUpload).size(), 1u);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Upload has been interrupted.");
}

TEST_F(Upload, TerminatedUploadDeliversNothing) {
    connectWith(testing::thousandByteImage());
    afterTick = [](logger::UploadDialog &, int tick) {
        if (tick == 2) {
            EXPECT_EQ(TerminateDeviceComm(), 1);
        }
    };
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 2);
    EXPECT_EQ(primaryLength, 0u);
    EXPECT_EQ(secondaryLength, 0u);
    EXPECT_EQ(recorder->framesOfCommand(logger::kTerminateUpload).size(), 1u);
}

TEST_F(Upload, WindowsOpenDuringTheUploadCannotDisturbIt) {
    const auto image = testing::thousandByteImage();
    connectWith(image);
    int opensBefore = 0;
    std::size_t framesBefore = 0;
    afterTick = [&](logger::UploadDialog &, int tick) {
        if (tick != 2) // two of the four reports read
            return;
        opensBefore = recorder->opens();
        framesBefore = recorder->frames().size();
        std::vector<std::uint8_t> other(16);
        std::uint32_t length1 = 16, length2 = 16;
        EXPECT_EQ(GetDeviceData(other.data(), &length1, other.data(), &length2), 0) << "no nested upload";
        EXPECT_EQ(length1, 16u);
        GetRGStatus();
        IsLowBattery();
        GetDeviceVersion(2);
        ClearDeviceMemory();
        EXPECT_EQ(ConnectToDevice(), 0);
        EXPECT_EQ(ReleaseDevice(), 1) << "the buffers go, the upload goes on";
        EXPECT_EQ(recorder->opens(), opensBefore) << "the recorder was not opened anew";
        EXPECT_EQ(recorder->frames().size(), framesBefore) << "nothing was sent to it";
    };
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 0);
    EXPECT_EQ(recorder->uploadReportsSent(), 4);
    EXPECT_TRUE(sameBytes(primaryResult(), decodertest::decode(image).primary()));
    EXPECT_TRUE(sameBytes(secondaryResult(), decodertest::decode(image).secondary()));
}

// Only TerminateDeviceComm acts on an upload in progress: every other export finds no recorder,
// as when none is plugged in, and leaves the upload's code alone.
TEST_F(Upload, ExportsDuringTheUploadFindNoRecorder) {
    connectWith(testing::thousandByteImage());
    const std::uint32_t configuration = 1, address = 0xF000, count = 1;
    std::uint8_t byte = 0;
    const struct {
        const char *what;
        std::function<int32_t()> call;
        int32_t result;
        int32_t code;
    } cases[] = {
        {"version", [] { return GetDeviceVersion(2); }, 0, 1},
        {"clear", [] { return ClearDeviceMemory(); }, 0, 1},
        {"sync", [] { return SyncDeviceTime(); }, 0, 1},
        {"storage flag", [] { return GetRGStatus(); }, 0, 5},
        {"clear storage flag", [] { return ClearRGStatus(); }, 5, 5},
        {"read", [&] { return ReadData(&configuration, &address, &count, &byte); }, 5, 5},
        {"write", [&] { return WriteData(&configuration, &address, &count, &byte); }, 5, 5},
        {"connect", [] { return ConnectToDevice(); }, 0, 5},
    };
    afterTick = [&](logger::UploadDialog &, int tick) {
        if (tick != 1)
            return;
        for (const auto &c : cases) {
            EXPECT_EQ(c.call(), c.result) << c.what;
            EXPECT_EQ(GetLastDeviceError(), c.code) << c.what;
        }
    };
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 0);
    EXPECT_EQ(recorder->framesOfCommand(logger::kVersion).size(), 0u);
    EXPECT_EQ(recorder->framesOfCommand(logger::kMemoryAccess).size(), 0u);
    EXPECT_EQ(recorder->opens(), 2) << "the connection and the upload";
    EXPECT_EQ(GetDeviceVersion(2), 167001) << "found again once the upload is over";
}

TEST_F(Upload, ACallWhileItsBoxIsUpLeavesTheUploadsCode) {
    connectWith(testing::thousandByteImage());
    afterTick = [](logger::UploadDialog &dialog, int tick) {
        if (tick == 1)
            dialog.cancel();
    };
    EnableInternalBoxes();
    platform::dialogs::setMessageHandler([](const platform::dialogs::MessageRequest &box) {
        if (box.text == "Upload has been cancelled.")
            GetDeviceVersion(2); // another window of the caller's, while the box waits
        return platform::dialogs::Answer::Ok;
    });
    EXPECT_EQ(getDeviceData(), 0);
    platform::dialogs::setMessageHandler({});
    EXPECT_EQ(GetLastDeviceError(), 8);
}

TEST_F(Upload, TerminateDeviceCommOutsideAnUpload) {
    EXPECT_EQ(TerminateDeviceComm(), 1);
    EXPECT_EQ(GetLastDeviceError(), 2);
    EXPECT_EQ(recorder->framesOfCommand(logger::kTerminateUpload).size(), 1u);
    recorder->plugged = false;
    EXPECT_EQ(TerminateDeviceComm(), 0);
}

TEST_F(Upload, NothingToUpload) {
    connectWith({});
    recorder->dataSize = logger::kDirectorySize;
    EnableInternalBoxes();
    testing::ScriptedDialogs dialogs;
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 9);
    EXPECT_EQ(primaryLength, 0u);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(recorder->framesOfCommand(logger::kStop).size(), 1u);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "No data to upload.");
}

TEST_F(Upload, NeedsAConnectionAndTheRecorder) {
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 5);
    EXPECT_EQ(primaryLength, 0u);

    connectWith(testing::thousandByteImage());
    recorder->plugged = false;
    primaryLength = 7;
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 1);
    EXPECT_EQ(primaryLength, 0u);
}

TEST_F(Upload, SilentUploadSizeLeavesTheLengths) {
    connectWith(testing::thousandByteImage());
    recorder->inject(Fault::TimeOut, 1, 1); // the reply to the upload size
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 11);
    EXPECT_EQ(primaryLength, logger::kDeviceResultCapacity);
    EXPECT_EQ(ticks, 0);
}

TEST_F(Upload, ImageWithoutSamplesOrRecordsIsNoValidData) {
    using namespace encoder;
    connectWith(encodeImage({sampleSession(decodertest::kStart, decodertest::kEnd, Bytes(600, 0xFF))}));
    EnableInternalBoxes();
    testing::ScriptedDialogs dialogs;
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 10);
    EXPECT_EQ(primaryLength, 0u);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "No valid data to display.");
}

// A recorder with one bad session still gives up the sessions before it.
TEST_F(Upload, DecoderStopDeliversTheWholeSessionsBeforeIt) {
    using namespace encoder;
    const Session first = sampleSession(decodertest::kStart, decodertest::kEnd, Bytes(400, 100));
    const Session second = sampleSession(decodertest::kStart, decodertest::kEnd, Bytes(400, 120));
    const Session track = recordSession(decodertest::kStart, decodertest::kEnd, {shortTrack(10, 20)});
    Bytes image = encodeImage({first, track, second});
    setDirectoryEntry(image, 3, std::uint32_t(image.size() + 300)); // the third runs past the image
    connectWith(image);
    EnableInternalBoxes();
    testing::ScriptedDialogs dialogs;
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 7) << "the stop is reported";
    EXPECT_TRUE(dialogs.shown().empty()) << "no failure box for what was delivered";
    EXPECT_EQ(recorder->framesOfCommand(logger::kTerminateUpload).size(), 1u);

    const auto samples = encoder::readSampleEntries(primaryResult());
    ASSERT_TRUE(samples.has_value());
    ASSERT_EQ(samples->size(), 1u);
    EXPECT_EQ((*samples)[0].samples, Bytes(400, 100));
    const auto records = encoder::readRecordEntries(secondaryResult());
    ASSERT_TRUE(records.has_value());
    EXPECT_EQ(records->size(), 1u);
    std::uint32_t counts[6];
    EXPECT_EQ(GetPacketErrorCount(&counts[0], &counts[1], &counts[2], &counts[3], &counts[4], &counts[5]), 1);

    // Too small buffers first: the second call delivers the same with the same code.
    const std::vector<std::uint8_t> delivered(primaryResult().begin(), primaryResult().end());
    primaryLength = secondaryLength = 0;
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 6);
    EXPECT_EQ(primaryLength, delivered.size());
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 7);
    EXPECT_TRUE(sameBytes(primaryResult(), delivered));

    primaryLength = secondaryLength = logger::kDeviceResultCapacity;
    EXPECT_EQ(GetRawData(primary.data(), &primaryLength, secondary.data(), &secondaryLength), 1);
    EXPECT_EQ(GetLastDeviceError(), 7) << "the raw samples of the same sessions";
    EXPECT_EQ(primaryLength, delivered.size());
}

TEST_F(Upload, DecoderStopBeforeAnyWholeSessionFails) {
    using namespace encoder;
    Bytes image = encodeImage({sampleSession(decodertest::kStart, decodertest::kEnd, Bytes(400, 100)),
                               sampleSession(decodertest::kStart, decodertest::kEnd, Bytes(400, 120))});
    setDirectoryEntry(image, 1, std::uint32_t(image.size() + 300)); // the first runs past the image
    connectWith(image);
    EnableInternalBoxes();
    testing::ScriptedDialogs dialogs;
    EXPECT_EQ(getDeviceData(), 0);
    EXPECT_EQ(GetLastDeviceError(), 7);
    EXPECT_EQ(primaryLength, logger::kDeviceResultCapacity) << "lengths untouched";
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Unexpected upload error.");
}

// The most sessions the recorder holds: 128, the last one ending with the data.
TEST_F(Upload, FullDirectoryUploadsEverySession) {
    using namespace encoder;
    std::vector<Session> sessions;
    for (int i = 0; i < 128; ++i)
        sessions.push_back(sampleSession(decodertest::kStart, decodertest::kEnd, {std::uint8_t(10 + i)}));
    connectWith(encodeImage(sessions));
    EXPECT_EQ(getDeviceData(), 1);
    EXPECT_EQ(GetLastDeviceError(), 0);
    const auto entries = encoder::readSampleEntries(primaryResult());
    ASSERT_TRUE(entries.has_value());
    ASSERT_EQ(entries->size(), 128u);
    EXPECT_EQ(entries->back().samples, Bytes{10 + 127});
    EXPECT_TRUE(recorder->framesOfCommand(logger::kTerminateUpload).empty());
}

TEST_F(Upload, UnparsedCopyLargerThanItsBufferIsAnUploadError) {
    encoder::Bytes image = testing::thousandByteImage();
    image.resize(logger::kDeviceResultCapacity + 300, 7);
    connectWith(image);
    std::uint32_t length = logger::kDeviceResultCapacity;
    EXPECT_EQ(GetEEPROMData(primary.data(), &length), 0);
    EXPECT_EQ(GetLastDeviceError(), 7);
}

TEST_F(Upload, MissingLengthsAreBuffersTooSmall) {
    connectWith(testing::thousandByteImage());
    std::uint8_t *buffer = primary.data();
    std::uint32_t length = 16;
    const struct {
        const char *what;
        std::function<int32_t()> call;
    } cases[] = {
        {"first length", [&] { return GetDeviceData(buffer, nullptr, buffer, &length); }},
        {"second length", [&] { return GetDeviceData(buffer, &length, buffer, nullptr); }},
        {"raw", [&] { return GetRawData(buffer, nullptr, buffer, &length); }},
        {"unparsed", [&] { return GetEEPROMData(buffer, nullptr); }},
        {"no buffer for its room", [&] { return GetDeviceData(nullptr, &length, buffer, &length); }},
    };
    const std::size_t framesBefore = recorder->frames().size();
    for (const auto &c : cases) {
        EXPECT_EQ(c.call(), 0) << c.what;
        EXPECT_EQ(GetLastDeviceError(), 6) << c.what;
    }
    EXPECT_EQ(length, 16u);
    EXPECT_EQ(recorder->frames().size(), framesBefore) << "no upload";
}

TEST(UploadCounts, UnavailableBeforeAFinishedUpload) {
    logger::loadLibraryState();
    std::uint32_t counts[6];
    EXPECT_EQ(GetPacketErrorCount(&counts[0], &counts[1], &counts[2], &counts[3], &counts[4], &counts[5]), 0);
    EXPECT_EQ(GetLastDeviceError(), 9);
}
