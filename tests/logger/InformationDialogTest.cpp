#include "InformationDialogs.h"
#include "RecorderFixture.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

#include <vector>

class InformationDialogs : public testing::RecorderTest {
protected:
    // Every note that opens is closed by its button at once and recorded, so that a note shown
    // where none is due fails the test instead of waiting for a click.
    void SetUp() override {
        RecorderTest::SetUp();
        closer.setInterval(0);
        QObject::connect(&closer, &QTimer::timeout, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shownNotes.push_back(dialog->objectName());
            if (auto *button = dialog->findChild<QPushButton *>("1011"))
                button->click();
            else
                dialog->reject();
        });
        closer.start();
    }

    // Sets the clock to the moment that arms the notes, then runs upload size commands.
    void armAndUpload(int uploads) {
        ASSERT_EQ(SetDeviceTime(7, 1, 1, 12, 34, 56), 1);
        ASSERT_TRUE(logger::OpenHidDevice());
        for (int i = 0; i < uploads; ++i)
            logger::SendDeviceCommand(logger::kUploadSize, 0);
    }

    QTimer closer;
    std::vector<QString> shownNotes;
};

TEST_F(InformationDialogs, ClearingAfterSeveralUploadsShowsTheNoteOnce) {
    armAndUpload(5);
    EXPECT_EQ(ClearDeviceMemory(), 1);
    EXPECT_EQ(shownNotes, std::vector<QString>{"101"});
    EXPECT_FALSE(logger::state().informationDialog.armed);
    EXPECT_EQ(ClearDeviceMemory(), 1);
    EXPECT_EQ(shownNotes.size(), 1u) << "disarmed: no second note";
}

TEST_F(InformationDialogs, SynchronisingShowsTheOtherNote) {
    armAndUpload(18);
    EXPECT_EQ(SyncDeviceTime(), 1);
    EXPECT_EQ(shownNotes, std::vector<QString>{"103"});
}

TEST_F(InformationDialogs, TooFewOrTooManyUploadsShowNothing) {
    armAndUpload(4);
    EXPECT_EQ(ClearDeviceMemory(), 1);
    EXPECT_TRUE(logger::state().informationDialog.armed);

    armAndUpload(19);
    EXPECT_FALSE(logger::state().informationDialog.armed);
    EXPECT_EQ(SyncDeviceTime(), 1);
    EXPECT_TRUE(shownNotes.empty());
}
