#include "InformationDialogs.h"
#include "RecorderFixture.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

namespace {

// Presses the close button of the dialog that opens next; records which dialog it was.
void closeNextDialog(QString &shownDialog) {
    QTimer::singleShot(0, [&shownDialog] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        shownDialog = dialog->objectName();
        auto *button = dialog->findChild<QPushButton *>("1011");
        ASSERT_NE(button, nullptr);
        button->click();
    });
}

} // namespace

class InformationDialogs : public testing::RecorderTest {
protected:
    // Sets the clock to the moment that arms the notes, then runs upload size commands.
    void armAndUpload(int uploads) {
        ASSERT_EQ(SetDeviceTime(7, 1, 1, 12, 34, 56), 1);
        ASSERT_TRUE(logger::OpenHidDevice());
        for (int i = 0; i < uploads; ++i)
            logger::SendDeviceCommand(logger::kUploadSize, 0);
    }
};

TEST_F(InformationDialogs, ClearingAfterSeveralUploadsShowsTheNoteOnce) {
    armAndUpload(5);
    QString shown;
    closeNextDialog(shown);
    EXPECT_EQ(ClearDeviceMemory(), 1);
    EXPECT_EQ(shown, "101");
    EXPECT_FALSE(logger::state().informationDialog.armed);
    EXPECT_EQ(ClearDeviceMemory(), 1) << "disarmed: no second note";
}

TEST_F(InformationDialogs, SynchronisingShowsTheOtherNote) {
    armAndUpload(18);
    QString shown;
    closeNextDialog(shown);
    EXPECT_EQ(SyncDeviceTime(), 1);
    EXPECT_EQ(shown, "103");
}

TEST_F(InformationDialogs, TooFewOrTooManyUploadsShowNothing) {
    armAndUpload(4);
    EXPECT_EQ(ClearDeviceMemory(), 1);
    EXPECT_TRUE(logger::state().informationDialog.armed);

    armAndUpload(19);
    EXPECT_FALSE(logger::state().informationDialog.armed);
    EXPECT_EQ(SyncDeviceTime(), 1);
}
