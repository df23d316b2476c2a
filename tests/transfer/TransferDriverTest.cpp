#include "TransferFixture.h"

#include "mainwindow/frmMain.h"
#include "transfer/TransferState.h"
#include "transfer/frmActivitySummary.h"
#include "transfer/modTransfer.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextCharFormat>

using modTransfer::TransferFromDevice;
using platform::dialogs::Icon;
using namespace testing;

namespace {

const Moment kMorning{2026, 3, 9, 7, 0, 0};
const Moment kMorningEnd{2026, 3, 9, 7, 0, 10};
const Moment kEvening{2026, 3, 9, 19, 0, 0};
const Moment kEveningEnd{2026, 3, 9, 19, 30, 0};

const std::vector<int> kFailedUploadCheckpoints{1, 5, 10, 15, 0, 20, 45, 50, 0};
const std::vector<int> kCompleteCheckpoints{1, 5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 0};

class TransferDriverTest : public TransferFixture {
protected:
    // Two heart-rate sessions of one day, far apart, and one speed session in the evening.
    void recorderHoldsADay() {
        device.buffer1 = ResultBufferBuilder()
                             .heartRateEntry(kMorning, {120, 121, 122, 123, 124, 125}, kMorningEnd)
                             .heartRateEntry({2026, 3, 9, 12, 0, 0}, {130, 131}, {2026, 3, 9, 12, 0, 4})
                             .bytes();
        device.buffer2 =
            ResultBufferBuilder()
                .speedGpsEntry(1, kEvening, concat({speedRecord(60, 10), speedRecord(62, 20)}), kEveningEnd)
                .bytes();
    }

    std::vector<std::string> summaryLines;
    void answerSummary() {
        windows.then([this](QDialog &window) {
            auto &summary = dynamic_cast<frmActivitySummary &>(window);
            for (int line = 0; line < summary.List1->count(); ++line)
                summaryLines.push_back(summary.List1->item(line)->text().toStdString());
            summary.Command1->click();
        });
    }
};

TEST_F(TransferDriverTest, WithoutARecorderTheUploadReportsDeviceNotFoundAndReleases) {
    device.connectCode = 5;
    device.uploadCode = 5;

    TransferFromDevice();

    EXPECT_EQ(checkpoints(), kFailedUploadCheckpoints);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Device not found");
    EXPECT_EQ(dialogs.shown()[0].title, "Runvella");
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_EQ(device.count("SyncDeviceTime"), 0);
    EXPECT_EQ(device.count("ReleaseDevice"), 1);
    EXPECT_EQ(device.count("SuppressInternalBoxes"), 1);
    EXPECT_EQ(device.count("EnableInternalBoxes"), 0);
}

TEST_F(TransferDriverTest, UploadFailuresGiveTheirMessageAndSyncTheClockOnlyWhenNothingWasStored) {
    const struct {
        std::int32_t code;
        const char *text;
        Icon icon;
        bool clockSynchronised;
    } cases[] = {{9, "No data to transfer", Icon::Information, true},
                 {8, "Transfer cancelled", Icon::Information, false},
                 {7, "Transfer error occurred", Icon::Critical, false},
                 {11, "Transfer is incomplete", Icon::Critical, false},
                 {1, "Device is not connected", Icon::Critical, false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        ScriptedDialogs messages;
        device.calls.clear();
        gConn.executeScript("delete from checkpoints");
        device.uploadCode = c.code;

        TransferFromDevice();

        EXPECT_EQ(checkpoints(), kFailedUploadCheckpoints);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, c.text);
        EXPECT_EQ(messages.shown()[0].icon, c.icon);
        EXPECT_EQ(device.count("SyncDeviceTime"), c.clockSynchronised ? 1 : 0);
        EXPECT_EQ(device.count("ReleaseDevice"), 1);
    }
    EXPECT_TRUE(windows.shown().isEmpty());
}

TEST_F(TransferDriverTest, StoresListsAndMarksTheNewActivitiesThenSyncsAndReleases) {
    frmMain main;
    gMainForm = &main;
    main.MonthView1->setSelectedDate(QDate(2026, 3, 20));
    recorderHoldsADay();
    device.compressed = 1;
    bool compressedShown = false;
    windows.then([&](QDialog &window) {
        compressedShown = dynamic_cast<frmActivitySummary &>(window).lblCompressed->isVisibleTo(&window);
        window.findChild<QAbstractButton *>("Command1")->click();
    });

    TransferFromDevice();
    gMainForm = nullptr;

    EXPECT_EQ(checkpoints(), kCompleteCheckpoints);
    EXPECT_EQ(windows.shown(), QStringList{"frmActivitySummary"});
    EXPECT_TRUE(compressedShown);
    EXPECT_EQ(scalar("select count(*) from sessions"), 3);
    EXPECT_EQ(gHrSessionsStored, 2);
    EXPECT_EQ(gGpsSessionsStored, 1);
    EXPECT_EQ(main.MonthView1->dateTextFormat(QDate(2026, 3, 9)).fontWeight(), QFont::Bold);
    EXPECT_TRUE(device.calledBefore("SyncDeviceTime", "ReleaseDevice"));
    EXPECT_EQ(device.count("ClearDeviceMemory"), 0);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(TransferDriverTest, SummaryLinesNameTheKindAndStartOfEachActivityWithItsKey) {
    recorderHoldsADay();
    // The evening's speed session starts with the morning's heart-rate session: they are joined.
    device.buffer2 =
        ResultBufferBuilder()
            .speedGpsEntry(1, kMorning, concat({speedRecord(60, 10), speedRecord(62, 20)}), kMorningEnd)
            .speedGpsEntry(1, kEvening, speedRecord(60, 10), kEveningEnd)
            .bytes();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    std::vector<qint64> keys;
    windows.then([&](QDialog &window) {
        auto &summary = dynamic_cast<frmActivitySummary &>(window);
        for (int line = 0; line < summary.List1->count(); ++line) {
            summaryLines.push_back(summary.List1->item(line)->text().toStdString());
            keys.push_back(summary.List1->item(line)->data(Qt::UserRole).toLongLong());
        }
        summary.Command1->click();
    });

    TransferFromDevice();
    QLocale::setDefault(QLocale::system());

    EXPECT_EQ(summaryLines,
              (std::vector<std::string>{"HR & GPS Activity 3/9/26 7:00:00 AM",
                                        "HR Activity 3/9/26 12:00:00 PM", "GPS Activity 3/9/26 7:00:00 PM"}));
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(scalar(("select session_type from sessions where prkey = " + std::to_string(keys[0])).c_str()),
              20);
}

TEST_F(TransferDriverTest, ASecondTransferOfTheSameSessionsShowsTheNoNewDataNotice) {
    recorderHoldsADay();
    windows.thenClick("Command1");
    TransferFromDevice();
    windows.thenClick("cmdOK");

    TransferFromDevice();

    EXPECT_EQ(windows.shown(), (QStringList{"frmActivitySummary", "frmNoUniqueData"}));
    EXPECT_EQ(scalar("select count(*) from sessions"), 3);
    EXPECT_EQ(gHrSessionsStored, 0);
    EXPECT_EQ(gGpsSessionsStored, 0);
    EXPECT_EQ(device.count("ClearDeviceMemory"), 0);
    EXPECT_EQ(scalar("select transfer_progress from preferences"), 0);
}

TEST_F(TransferDriverTest, BuffersTooSmallAreResizedToTheAskedLengthsForExactlyOneMoreCall) {
    device.buffer1 =
        ResultBufferBuilder().heartRateEntry(kMorning, Bytes(140000, 120), {2026, 3, 9, 10, 53, 20}).bytes();
    windows.thenClick("Command1");

    TransferFromDevice();

    EXPECT_EQ(device.count("GetDeviceData"), 2);
    ASSERT_EQ(device.offeredLengths.size(), 4u);
    EXPECT_EQ(device.offeredLengths[0], 131072u);
    EXPECT_EQ(device.offeredLengths[2], device.buffer1.size());
    EXPECT_EQ(gDeviceBuf1.size(), device.buffer1.size() + 1);
    EXPECT_EQ(gDeviceBuf2.size(), 1u);
    EXPECT_EQ(scalar("select count(*) from sessiondata"), 140000);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(TransferDriverTest, AnEmptyUploadStoresAndShowsNothingButSyncsAndReleases) {
    TransferFromDevice();

    EXPECT_TRUE(windows.shown().isEmpty());
    EXPECT_EQ(checkpoints(), (std::vector<int>{1, 5, 10, 15, 20, 25, 30, 45, 50, 0}));
    EXPECT_EQ(device.count("SyncDeviceTime"), 1);
    EXPECT_EQ(device.count("ReleaseDevice"), 1);
}

TEST_F(TransferDriverTest, AlwaysClearingClearsAfterTheListEvenWhenNothingIsNew) {
    setAlwaysClear(1);
    recorderHoldsADay();
    bool clearedBeforeSummary = false;
    windows.then([&](QDialog &window) {
        clearedBeforeSummary = device.count("ClearDeviceMemory") == 1;
        EXPECT_FALSE(window.findChild<QWidget *>("chkClearDevice")->isVisibleTo(&window));
        window.accept();
    });
    TransferFromDevice();
    EXPECT_TRUE(clearedBeforeSummary);

    windows.thenClick("cmdOK");
    TransferFromDevice();
    EXPECT_EQ(device.count("ClearDeviceMemory"), 2);
}

TEST_F(TransferDriverTest, AlwaysClearingKeepsTheRecorderWhenASessionCouldNotBeStored) {
    setAlwaysClear(1);
    recorderHoldsADay();
    // The noon session's start is no date: it cannot be stored.
    device.buffer1 = ResultBufferBuilder()
                         .heartRateEntry(kMorning, {120, 121}, kMorningEnd)
                         .heartRateEntry({2026, 13, 9, 12, 0, 0}, {130, 131}, {2026, 13, 9, 12, 0, 4})
                         .bytes();
    windows.thenClick("Command1");

    TransferFromDevice();

    EXPECT_EQ(device.count("ClearDeviceMemory"), 0);
    EXPECT_EQ(scalar("select count(*) from sessions"), 2);
    ASSERT_EQ(dialogs.shown().size(), 2u); // the unreadable session, then what was kept
    EXPECT_TRUE(
        dialogs.shown()[1].text.startsWith("These activities from the Data Recorder could not be stored"));
    EXPECT_TRUE(dialogs.shown()[1].text.contains("12:00:00"));
    EXPECT_EQ(windows.shown(), QStringList{"frmActivitySummary"});
}

TEST_F(TransferDriverTest, ASessionNotStoredIsListedAndNothingOffersToClearTheRecorder) {
    // The noon session meets a full disk.
    gConn.executeScript("create trigger refuse before insert on sessions "
                        "when new.Session_datetime = '2026-03-09 12:00:00' "
                        "begin select raise(abort, 'disk full'); end");
    const Bytes noon = ResultBufferBuilder()
                           .heartRateEntry({2026, 3, 9, 12, 0, 0}, {130, 131}, {2026, 3, 9, 12, 0, 4})
                           .bytes();
    const struct {
        const char *name;
        bool othersNew;
    } cases[] = {{"nothing else new", false}, {"others new", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        recorderHoldsADay();
        if (!c.othersNew) {
            device.buffer1 = noon;
            device.buffer2.clear();
        }
        ScriptedDialogs messages;
        bool clearOffered = false;
        if (c.othersNew) {
            windows.then([&](QDialog &window) {
                auto &summary = dynamic_cast<frmActivitySummary &>(window);
                clearOffered = summary.chkClearDevice->isVisibleTo(&summary);
                summary.chkClearDevice->setChecked(true);
                summary.Command1->click();
            });
        }
        const qsizetype shownBefore = windows.shown().size();

        TransferFromDevice();

        EXPECT_EQ(windows.shown().size() - shownBefore, c.othersNew ? 1 : 0); // never "nothing new"
        EXPECT_FALSE(clearOffered);
        EXPECT_EQ(device.count("ClearDeviceMemory"), 0);
        ASSERT_EQ(messages.shown().size(), 2u); // the failure, then what was not stored
        EXPECT_TRUE(messages.shown()[1].text.startsWith(
            "These activities from the Data Recorder could not be stored"));
        EXPECT_TRUE(messages.shown()[1].text.contains("12:00:00"));
    }
}

TEST_F(TransferDriverTest, ASessionOfTimeMarksOnlyIsNothingToStoreAndTheRecorderIsStillCleared) {
    setAlwaysClear(1);
    device.buffer1 = ResultBufferBuilder().heartRateEntry(kMorning, {120, 121}, kMorningEnd).bytes();
    device.buffer2 = ResultBufferBuilder()
                         .speedGpsEntry(1, kEvening, concat({timeMark(), timeMark()}), kEveningEnd)
                         .bytes();
    windows.thenClick("Command1");

    TransferFromDevice();

    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_EQ(device.count("ClearDeviceMemory"), 1);
    EXPECT_EQ(scalar("select count(*) from sessions"), 1);
    EXPECT_EQ(windows.shown(), QStringList{"frmActivitySummary"});
}

TEST_F(TransferDriverTest, AfterADecoderStopTheWholeSessionsBeforeItAreStoredAndTheRecorderKept) {
    const struct {
        const char *name;
        int alwaysClear;
        bool alreadyStored;
    } cases[] = {
        {"always clearing", 1, false}, {"offered in the summary", 0, false}, {"nothing new", 0, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.alreadyStored)
            gConn.executeScript("delete from sessions; delete from sessiondata");
        device.calls.clear();
        setAlwaysClear(c.alwaysClear);
        recorderHoldsADay();
        device.deliveredCode = 7;
        ScriptedDialogs messages;
        bool clearOffered = false;
        if (!c.alreadyStored) {
            windows.then([&](QDialog &window) {
                auto &summary = dynamic_cast<frmActivitySummary &>(window);
                clearOffered = summary.chkClearDevice->isVisibleTo(&summary);
                summary.chkClearDevice->setChecked(true);
                summary.Command1->click();
            });
        }
        const qsizetype shownBefore = windows.shown().size();

        TransferFromDevice();

        EXPECT_EQ(scalar("select count(*) from sessions"), 3);
        EXPECT_EQ(windows.shown().size() - shownBefore, c.alreadyStored ? 0 : 1);
        EXPECT_FALSE(clearOffered);
        EXPECT_EQ(device.count("ClearDeviceMemory"), 0);
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_TRUE(messages.shown()[0].text.startsWith("Data recorded after "));
        EXPECT_TRUE(messages.shown()[0].text.contains(" 19:30:00 is corrupted."));
        EXPECT_EQ(device.count("ReleaseDevice"), 1);
        EXPECT_EQ(checkpoints().back(), 0);
    }
}

TEST_F(TransferDriverTest, LowBatteryNoticeWaitsThirtyDaysAfterAReminder) {
    device.lowBattery = 1;
    device.uploadCode = 9;
    const QDate today = QDate::currentDate();
    const struct {
        QString stored;
        bool shown;
    } cases[] = {{"", true},
                 {platform::db::isoDate(today.addDays(-30)), false},
                 {platform::db::isoDate(today.addDays(-31)), true},
                 {"not a date", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.stored.toStdString());
        writeSetting("LowBatWarnDate", "S", c.stored);
        ScriptedDialogs messages;
        const qsizetype shownBefore = windows.shown().size();
        if (c.shown)
            windows.thenClick("cmdOK");
        TransferFromDevice();
        EXPECT_EQ(windows.shown().size() - shownBefore, c.shown ? 1 : 0);
    }
}

TEST_F(TransferDriverTest, AStorageFailureIsCountedAndClearedBeforeItsNoticeIsShown) {
    device.storageFailure = 1;
    device.uploadCode = 9;
    int flagWhenShown = -1;
    windows.then([&](QDialog &window) {
        flagWhenShown = device.storageFailure;
        EXPECT_EQ(setting("RGCount", "D").toInt(), 1);
        window.findChild<QAbstractButton *>("cmdOK")->click();
    });

    TransferFromDevice();

    EXPECT_EQ(windows.shown(), QStringList{"frmRedGreen"});
    EXPECT_EQ(flagWhenShown, 0);
    EXPECT_EQ(setting("RGCount", "D").toInt(), 1);
}

TEST_F(TransferDriverTest, ATransferAskedForWhileOneRunsIsNotStarted) {
    device.lowBattery = 1;
    device.uploadCode = 9;
    windows.then([](QDialog &window) {
        TransferFromDevice();
        window.findChild<QAbstractButton *>("cmdOK")->click();
    });

    TransferFromDevice();

    EXPECT_EQ(device.count("ConnectToDevice"), 1);
    EXPECT_EQ(dialogs.shown().size(), 1u);
}

TEST_F(TransferDriverTest, AFailureOfItsOwnIsReportedAndStillReleasesTheRecorderAndResetsTheCheckpoint) {
    // A preference that cannot be read makes reloading the preferences fail after the connection.
    gConn.executeScript("update preferences set alwaysClearDR = null");

    TransferFromDevice();

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith("Transfer error occurred\n"));
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_EQ(device.count("ReleaseDevice"), 1);
    EXPECT_EQ(device.count("SyncDeviceTime"), 0);
    EXPECT_EQ(checkpoints().back(), 0);
}

TEST_F(TransferDriverTest, WithoutTheDeviceLibraryTheTransferSaysSo) {
    DeviceLibrary::installForTesting(nullptr, QString());

    TransferFromDevice();

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith("Transfer error occurred "));
    EXPECT_TRUE(dialogs.shown()[0].text.contains("liblogger.so"));
    EXPECT_EQ(scalar("select transfer_progress from preferences"), 0);
}

} // namespace
