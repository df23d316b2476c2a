#include "TransferFixture.h"

#include "core/DeviceErrorMessages.h"
#include "core/modLocalisation.h"
#include "transfer/RecorderMemory.h"
#include "transfer/frmLowBatt.h"
#include "transfer/frmNoUniqueData.h"
#include "transfer/frmRedGreen.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

using modTransfer::ClearRecorderMemory;
using platform::dialogs::Icon;

namespace {

class TransferNoticesTest : public TransferFixture {
protected:
    void TearDown() override {
        gLanguageOffset = 0;
        TransferFixture::TearDown();
    }
};

TEST_F(TransferNoticesTest, ASuccessfulClearShowsNothingAndDoesNotAskForTheLastError) {
    EXPECT_TRUE(ClearRecorderMemory());
    EXPECT_EQ(device.count("GetLastDeviceError"), 0);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(TransferNoticesTest, AFailedClearNamesItsCauseUnderTheRecordersTitle) {
    const struct {
        std::int32_t code;
        const char *text; // nullptr: nothing is shown
        Icon icon;
    } cases[] = {{1, "Device is not connected", Icon::Critical},
                 {5, "Device not found", Icon::Critical},
                 {7, "Transfer error occurred", Icon::Critical},
                 {8, "Transfer cancelled", Icon::Information},
                 {9, "No data to transfer", Icon::Information},
                 {10, "No valid data to display", Icon::Information},
                 {11, "Transfer is incomplete", Icon::Critical},
                 {0, nullptr, Icon::None},
                 {2, nullptr, Icon::None},
                 {3, nullptr, Icon::None},
                 {4, nullptr, Icon::None},
                 {6, nullptr, Icon::None}};
    device.clearSucceeds = false;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.code);
        testing::ScriptedDialogs messages;
        device.clearCode = c.code;
        EXPECT_FALSE(ClearRecorderMemory());
        if (!c.text) {
            EXPECT_TRUE(messages.shown().empty());
            continue;
        }
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.shown()[0].text, c.text);
        EXPECT_EQ(messages.shown()[0].title, "Velko Data Recorder");
        EXPECT_EQ(messages.shown()[0].icon, c.icon);
    }
}

TEST_F(TransferNoticesTest, MessagesFollowTheLanguageButTheClearTitleDoesNot) {
    gLanguageOffset = 3000;
    device.clearSucceeds = false;
    device.clearCode = 1;
    ClearRecorderMemory();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Gerät ist nicht angeschlossen");
    EXPECT_EQ(dialogs.shown()[0].title, "Velko Data Recorder");
    // After an upload, code 1 keeps its English text in every language.
    EXPECT_EQ(UploadFailureMessage(1)->text, "Device is not connected");
    EXPECT_EQ(UploadFailureMessage(0x10005)->text, ClearFailureMessage(5)->text);
}

TEST_F(TransferNoticesTest, LowBatteryOkStoresTodayWhenTickedAndNothingOtherwise) {
    writeSetting("LowBatWarnDate", "S", "2020-01-01");
    {
        frmLowBatt notice;
        notice.chkRemind->setChecked(true);
        notice.cmdOK->click();
    }
    EXPECT_EQ(setting("LowBatWarnDate", "S").toString(), platform::db::isoDate(QDate::currentDate()));
    {
        frmLowBatt notice;
        EXPECT_FALSE(notice.chkRemind->isChecked());
        notice.cmdOK->click();
    }
    EXPECT_EQ(setting("LowBatWarnDate", "S").toString(), "");
    writeSetting("LowBatWarnDate", "S", "2020-01-01");
    {
        frmLowBatt notice;
        notice.show();
        notice.chkRemind->setChecked(true);
        notice.close();
    }
    EXPECT_EQ(setting("LowBatWarnDate", "S").toString(), "2020-01-01");
}

TEST_F(TransferNoticesTest, InSpanishOnlyTheLowBatteryOkButtonKeepsItsDesignedText) {
    gLanguageOffset = 2000;
    frmLowBatt lowBattery;
    frmRedGreen storage;
    frmNoUniqueData noNewData;
    EXPECT_EQ(lowBattery.cmdOK->text(), "OK");
    EXPECT_EQ(lowBattery.lblLowBatt->text(), *modLocalisation::FindString(3637));
    EXPECT_EQ(storage.cmdOK->text(), "Aceptar");
    EXPECT_EQ(noNewData.cmdOK->text(), "Aceptar");
    EXPECT_EQ(lowBattery.windowTitle(), "Runvella");
}

TEST_F(TransferNoticesTest, NoNewDataClearsOnlyOnOkWithTheBoxTicked) {
    {
        frmNoUniqueData notice;
        notice.show();
        notice.chkClearMemory->setChecked(true);
        notice.close();
    }
    EXPECT_EQ(device.count("ClearDeviceMemory"), 0);
    {
        frmNoUniqueData notice;
        notice.cmdOK->click();
    }
    EXPECT_EQ(device.count("ClearDeviceMemory"), 0);
    {
        frmNoUniqueData notice;
        notice.chkClearMemory->setChecked(true);
        notice.cmdOK->click();
    }
    EXPECT_EQ(device.count("ClearDeviceMemory"), 1);
}

} // namespace
