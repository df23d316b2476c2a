#include "common/ScriptedDialogs.h"
#include "common/TestHome.h"
#include "core/DeviceLibrary.h"
#include "core/Globals.h"
#include "core/frmAbout.h"
#include "core/modRegistry.h"

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A recorder that answers with these processor versions; 0 stands for no recorder.
int32_t usbVersion = 0;
int32_t mainVersion = 0;
bool boxesSuppressed = false;

DeviceLibrary::Exports fakeLibrary() {
    DeviceLibrary::Exports table{};
    table.GetDeviceVersion = [](int32_t selector) { return selector == 1 ? usbVersion : mainVersion; };
    table.SuppressInternalBoxes = [] { boxesSuppressed = true; };
    return table;
}

class AboutTest : public ::testing::Test {
protected:
    void SetUp() override {
        usbVersion = 0;
        mainVersion = 0;
        boxesSuppressed = false;
        // The library file as installed: a link to the file that carries the version.
        QFile(libraryFolder.filePath("liblogger.so.1.2.3")).open(QIODevice::WriteOnly);
        QFile::link("liblogger.so.1.2.3", libraryFolder.filePath("liblogger.so"));
        DeviceLibrary::installForTesting(&library, libraryFolder.filePath("liblogger.so"));
    }
    void TearDown() override {
        DeviceLibrary::restoreForTesting();
        gLanguageOffset = 0;
    }

    testing::TestHome home;
    QTemporaryDir libraryFolder;
    DeviceLibrary::Exports library = fakeLibrary();
};

TEST_F(AboutTest, WithARecorderShowsItsProcessorsAndTheStorageErrorCount) {
    usbVersion = 10203;
    mainVersion = 40506;
    modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "RGCount", "D", 3);

    frmAbout about;

    EXPECT_TRUE(
        QRegularExpression(R"(^Application Version \d+\.\d+\.\d+$)").match(about.Label2->text()).hasMatch())
        << about.Label2->text().toStdString();
    EXPECT_EQ(about.Label3->text(), "Device Library Version 1.2.3");
    EXPECT_EQ(about.Label4->text(), "USB Micro: 10203");
    EXPECT_EQ(about.Label5->text(), "Main Micro: 40506 - 3");
    EXPECT_FALSE(about.Label4->isHidden());
    EXPECT_FALSE(about.Label5->isHidden());
    EXPECT_TRUE(boxesSuppressed);
}

TEST_F(AboutTest, AMissingStorageErrorCountShowsZero) {
    usbVersion = 10203;
    mainVersion = 40506;

    frmAbout about;

    EXPECT_EQ(about.Label5->text(), "Main Micro: 40506 - 0");
}

TEST_F(AboutTest, WithoutARecorderOnlyTheTwoVersionLinesShow) {
    frmAbout about;

    EXPECT_EQ(about.Label3->text(), "Device Library Version 1.2.3");
    EXPECT_TRUE(about.Label4->isHidden());
    EXPECT_TRUE(about.Label5->isHidden());
    EXPECT_TRUE(boxesSuppressed);
}

TEST_F(AboutTest, WithoutTheDeviceLibraryItsVersionIsNotAvailable) {
    DeviceLibrary::installForTesting(nullptr, libraryFolder.filePath("missing/liblogger.so"));

    frmAbout about;

    EXPECT_EQ(about.Label3->text(), "Device Library Version N/A");
    EXPECT_TRUE(about.Label4->isHidden());
    EXPECT_TRUE(about.Label5->isHidden());
}

TEST_F(AboutTest, SpeaksTheChosenLanguageToItsTitle) {
    gLanguageOffset = 1000; // French

    frmAbout about;

    EXPECT_TRUE(about.Label2->text().startsWith("Version de l'application "))
        << about.Label2->text().toStdString();
    EXPECT_TRUE(about.Label3->text().startsWith("Version de la bibliothèque du Data Recorder "))
        << about.Label3->text().toStdString();
    EXPECT_EQ(about.Label7->text(), "Tous droits réservés");
    EXPECT_EQ(about.windowTitle(), "À propos de Runvella");
}

TEST_F(AboutTest, ClickingCreditsShowsThem) {
    testing::ScriptedDialogs dialogs;
    frmAbout about;

    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(about.Label1, &release);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith("Developed by: "));
    EXPECT_TRUE(dialogs.shown()[0].text.contains("\nSpecial Thanks to:\n"));
}

} // namespace
