#include "TransferFixture.h"

#include "LibraryState.h"
#include "common/LinkedDeviceLibrary.h"
#include "logger/SimulatedRecorder.h"
#include "logger/encoder/ImageEncoder.h"
#include "protocol/Protocol.h"
#include "transfer/modTransfer.h"
#include "transport/TransportFactory.h"
#include "upload/OfflineImage.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

using modTransfer::TransferFromDevice;
using Fault = testing::SimulatedRecorder::Fault;

namespace {

const encoder::DateTime kRunStart{2026, 3, 9, 7, 0, 0};
const encoder::DateTime kRunEnd{2026, 3, 9, 7, 0, 20};
const encoder::DateTime kRideStart{2026, 3, 9, 17, 0, 0};
const encoder::DateTime kRideEnd{2026, 3, 9, 17, 30, 0};

// A morning run with heart rate and an evening ride with a track.
encoder::Bytes morningAndEvening() {
    using namespace encoder;
    const Bytes heartRate{100, 120, 140, 160, 180, 150, 130, 110, 115, 125};
    std::vector<Bytes> track;
    for (int i = 0; i < 20; ++i)
        track.push_back(shortTrack(10 + i, 20 + i));
    return encodeImage(
        {sampleSession(kRunStart, kRunEnd, heartRate), recordSession(kRideStart, kRideEnd, track)});
}

// The whole road of a transfer: the driver, the library's upload under its progress window and
// decoder, and the stores, with the library's code linked in and the recorder simulated.
class EndToEndTransferTest : public TransferFixture {
protected:
    void SetUp() override {
        TransferFixture::SetUp();
        logger::setTransportFactory([r = recorder] { return r; });
        logger::setOfflineImageFolder(imageFolder.path());
        logger::loadLibraryState();
        DeviceLibrary::installForTesting(&library, QString());
    }
    void TearDown() override {
        logger::setTransportFactory({});
        logger::setOfflineImageFolder({});
        logger::loadLibraryState();
        TransferFixture::TearDown();
    }

    void placeOfflineImage(const encoder::Bytes &image) {
        recorder->plugged = false;
        QFile file(QDir(imageFolder.path()).filePath(logger::kOfflineImageName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char *>(image.data()), static_cast<qint64>(image.size()));
    }

    // The upload's progress window runs on its own timer; `during` acts while it is open.
    void duringTheUpload(std::function<void(QDialog &)> during) {
        windows.then([during](QDialog &upload) {
            EXPECT_EQ(upload.objectName(), "102");
            during(upload);
        });
    }

    std::int64_t count(const std::string &sql) { return scalar(sql.c_str()); }

    DeviceLibrary::Exports library = testing::linkedLibrary();
    std::shared_ptr<testing::SimulatedRecorder> recorder = std::make_shared<testing::SimulatedRecorder>();
    QTemporaryDir imageFolder;
};

TEST_F(EndToEndTransferTest, AnOfflineImageIsStoredOnceAndTheSecondTransferFindsNothingNew) {
    placeOfflineImage(morningAndEvening());
    windows.letRun("102");
    windows.thenClick("Command1");

    TransferFromDevice();

    EXPECT_EQ(count("select count(*) from sessions"), 2);
    EXPECT_EQ(count("select session_type from sessions where Session_datetime = '2026-03-09 07:00:00'"), 0);
    EXPECT_EQ(count("select count(*) from sessiondata d join sessions s on s.prkey = d.session_prkey "
                    "where s.Session_datetime = '2026-03-09 07:00:00' and d.data_type = 0"),
              10);
    EXPECT_EQ(count("select max_HR from sessions where Session_datetime = '2026-03-09 07:00:00'"), 180);
    EXPECT_EQ(count("select avg_HR from sessions where Session_datetime = '2026-03-09 07:00:00'"), 133);
    // Zones of the fresh database, 2 s for every sample but the last: 100 and 110 in zone 1,
    // 120, 130, 125 in zone 2, 140 and 150 in zone 3, 160 in zone 4, 180 in zone 5.
    EXPECT_EQ(
        count("select time_zone1 || ' ' || time_zone2 || ' ' || time_zone3 || ' ' || time_zone4 || ' ' || "
              "time_zone5 = '4.0 6.0 4.0 2.0 2.0' from sessions where Session_datetime = '2026-03-09 "
              "07:00:00'"),
        1);
    EXPECT_GT(count("select count(*) from sessiondata d join sessions s on s.prkey = d.session_prkey "
                    "where s.Session_datetime = '2026-03-09 17:00:00' and d.data_type <> 0"),
              0);
    EXPECT_EQ(scalar("select transfer_progress from preferences"), 0);
    // The library always says where the data came from.
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Data has been read from DRROMIMAGE.BIN file.");

    windows.thenClick("cmdOK");
    TransferFromDevice();

    EXPECT_EQ(windows.shown(), (QStringList{"frmActivitySummary", "frmNoUniqueData"}));
    EXPECT_EQ(count("select count(*) from sessions"), 2);
    EXPECT_EQ(scalar("select transfer_progress from preferences"), 0);
}

TEST_F(EndToEndTransferTest, ASimulatedRecorderIsStoredAndItsClockSet) {
    recorder->loadImage(morningAndEvening());
    windows.letRun("102");
    windows.thenClick("Command1");

    TransferFromDevice();

    EXPECT_EQ(count("select count(*) from sessions"), 2);
    EXPECT_EQ(recorder->framesOfCommand(logger::kSetClock).size(), 1u);
    EXPECT_TRUE(recorder->framesOfCommand(logger::kClearMemory).empty());
    EXPECT_FALSE(logger::state().connected);
}

TEST_F(EndToEndTransferTest, AFailedUploadSaysWhyStoresNothingAndLeavesTheRecordersMemory) {
    const struct {
        const char *name;
        std::function<void(QDialog &, testing::SimulatedRecorder &)> fault;
        const char *message;
    } cases[] = {
        {"unplugged", [](QDialog &, testing::SimulatedRecorder &r) { r.inject(Fault::Vanish, 2); },
         "Transfer error occurred"},
        {"time-out", [](QDialog &, testing::SimulatedRecorder &r) { r.inject(Fault::TimeOut, 1, 1); },
         "Transfer is incomplete"},
        {"cancel",
         [](QDialog &upload, testing::SimulatedRecorder &) {
             upload.findChild<QPushButton *>("1002")->click();
         },
         "Transfer cancelled"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        recorder = std::make_shared<testing::SimulatedRecorder>();
        logger::setTransportFactory([r = recorder] { return r; });
        recorder->loadImage(morningAndEvening());
        const auto memory = recorder->memory;
        testing::ScriptedDialogs messages;
        duringTheUpload([&c, r = recorder](QDialog &upload) { c.fault(upload, *r); });

        TransferFromDevice();

        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, c.message);
        EXPECT_EQ(count("select count(*) from sessions"), 0);
        EXPECT_EQ(count("select count(*) from sessiondata"), 0);
        EXPECT_TRUE(recorder->framesOfCommand(logger::kClearMemory).empty());
        EXPECT_TRUE(recorder->framesOfCommand(logger::kSetClock).empty());
        EXPECT_EQ(recorder->memory, memory);
        EXPECT_FALSE(logger::state().connected);
        EXPECT_EQ(scalar("select transfer_progress from preferences"), 0);
    }
}

// A recorder whose last session is damaged still gives up the whole sessions before it: they are
// stored, the athlete hears of the damage, and the recorder keeps its memory for another try.
TEST_F(EndToEndTransferTest, ADamagedLastSessionKeepsTheOnesBeforeItAndTheRecordersMemory) {
    using namespace encoder;
    Session damaged = recordSession(kRideStart, kRideEnd, {shortTrack(2, 2), shortTrack(3, 3)});
    damaged.body.pop_back();
    recorder->loadImage(encodeImage({sampleSession(kRunStart, kRunEnd, {100, 120, 140}), damaged}));
    const auto memory = recorder->memory;
    setAlwaysClear(1);
    windows.letRun("102");
    bool clearOffered = true;
    windows.then([&](QDialog &window) {
        auto *clear = window.findChild<QWidget *>("chkClearDevice");
        clearOffered = clear && clear->isVisibleTo(&window);
        window.findChild<QPushButton *>("Command1")->click();
    });
    testing::ScriptedDialogs messages;

    TransferFromDevice();

    EXPECT_EQ(count("select count(*) from sessions"), 1);
    EXPECT_EQ(count("select count(*) from sessiondata"), 3);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.shown()[0].text.contains("is corrupted")) << messages.shown()[0].text.toStdString();
    EXPECT_FALSE(clearOffered);
    EXPECT_TRUE(recorder->framesOfCommand(logger::kClearMemory).empty());
    EXPECT_EQ(recorder->memory, memory);
    EXPECT_FALSE(logger::state().connected);
}

} // namespace
