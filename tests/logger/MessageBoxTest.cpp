#include "LibraryStrings.h"
#include "RecorderFixture.h"
#include "common/ScriptedDialogs.h"
#include "common/TestHome.h"
#include "platform/SettingsStore.h"

#include <QFile>

#include <functional>
#include <thread>

namespace {

struct FailingCall {
    const char *what;
    std::function<void()> call;
    const char *message;
};

const FailingCall kFailures[] = {
    {"version", [] { GetDeviceVersion(2); }, "Error in getting version."},
    {"data size", [] { GetDeviceDataSize(); }, "Error in getting data size."},
    {"clear", [] { ClearDeviceMemory(); }, "Device memory not cleared."},
    {"sync", [] { SyncDeviceTime(); }, "Time synchronization error."},
    {"set time", [] { SetDeviceTime(9, 1, 1, 0, 0, 0); }, "Time synchronization error."},
};

} // namespace

class MessageBoxes : public testing::RecorderTest {
protected:
    void SetUp() override {
        RecorderTest::SetUp();
        recorder->plugged = false;
    }
};

TEST_F(MessageBoxes, EachFailureShowsItsMessageOnceWhenOn) {
    EnableInternalBoxes();
    for (const auto &failure : kFailures) {
        testing::ScriptedDialogs dialogs;
        failure.call();
        ASSERT_EQ(dialogs.shown().size(), 1u) << failure.what;
        EXPECT_EQ(dialogs.shown()[0].text, failure.message);
        EXPECT_EQ(dialogs.shown()[0].title, "VELKO Data Recorder");
        EXPECT_EQ(dialogs.shown()[0].icon, platform::dialogs::Icon::Information);
        EXPECT_EQ(GetLastDeviceError(), 1) << failure.what;
    }
}

TEST_F(MessageBoxes, NoneWhenOffAndTheSameCodes) {
    testing::ScriptedDialogs dialogs;
    for (const auto &failure : kFailures) {
        failure.call();
        EXPECT_EQ(GetLastDeviceError(), 1) << failure.what;
    }
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MessageBoxes, SuccessShowsNothing) {
    recorder->plugged = true;
    recorder->dataSize = 384;
    EnableInternalBoxes();
    testing::ScriptedDialogs dialogs;
    EXPECT_EQ(GetDeviceDataSize(), 0);
    EXPECT_EQ(GetDeviceVersion(2), 167001);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MessageBoxes, NoneForACallerWithoutWindows) {
    // A thread of its own has no windows, as a command-line program has none: a box there would
    // end the caller's process.
    EnableInternalBoxes();
    QFile(imageFolder.filePath("drromimage.bin")).open(QIODevice::WriteOnly);
    testing::ScriptedDialogs dialogs;
    std::uint32_t length1 = 0, length2 = 0;
    std::thread caller([&] {
        EXPECT_EQ(GetDeviceVersion(2), 0);
        EXPECT_EQ(GetLastDeviceError(), 1);
        EXPECT_EQ(GetDeviceData(nullptr, &length1, nullptr, &length2), 1) << "the empty offline image";
    });
    caller.join();
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(MessageBoxes, InEnglishWhateverTheLanguageOfTheSettings) {
    testing::TestHome home;
    ASSERT_TRUE(platform::settings::writeEntry(platform::settings::rootFile(platform::settings::kProgramRoot),
                                               platform::settings::kProgramKey, "language", 3000));
    logger::loadLibraryState(); // as loading the library does
    ASSERT_EQ(logger::state().languageOffset, 3000);
    testing::ScriptedDialogs dialogs;
    GetDeviceVersion(2);
    ASSERT_EQ(dialogs.shown().size(), 1u) << "boxes are on after loading";
    EXPECT_EQ(dialogs.shown()[0].text, "Error in getting version.");
    EXPECT_EQ(dialogs.shown()[0].title, "VELKO Data Recorder");
}

// The boxes have one English text each; only the progress dialog's two texts follow the language.
TEST(LibraryStrings, EnglishMessagesAndProgressTextsInEveryLanguage) {
    for (int id = 1; id <= 27; ++id) {
        EXPECT_FALSE(logger::libraryString(id).isEmpty()) << id;
        for (int offset = 1000; offset <= 4000; offset += 1000)
            EXPECT_TRUE(logger::libraryString(id + offset).isEmpty()) << id + offset;
    }
    for (int offset = 0; offset <= 4000; offset += 1000) {
        EXPECT_FALSE(logger::libraryString(50000 + offset).isEmpty()) << 50000 + offset;
        EXPECT_FALSE(logger::libraryString(50001 + offset).isEmpty()) << 50001 + offset;
    }
    EXPECT_EQ(logger::libraryString(50000 + 1000), QString::fromUtf8("Téléchargement en marche..."));
    EXPECT_EQ(logger::libraryString(50001 + 3000), "Abbrechen");
    EXPECT_EQ(logger::libraryString(27), "Unable to read the debug mode input file (logger_rom.bin).");
    EXPECT_TRUE(logger::libraryString(28).isEmpty());
    EXPECT_TRUE(logger::libraryString(50002).isEmpty());
    EXPECT_TRUE(logger::libraryString(55000).isEmpty());
}
