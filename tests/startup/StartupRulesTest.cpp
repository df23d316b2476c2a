#include "core/modInstance.h"
#include "core/modRegistry.h"
#include "startup/modStartup.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace modStartup;

TEST(StartupRules, QtsOwnDialogsSpeakTheChosenLanguageWhenItsTranslationsAreInstalled) {
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_fr.qm"))
        GTEST_SKIP() << "Qt's translations are not installed";

    EXPECT_TRUE(LoadToolkitTranslations(1000));
    EXPECT_EQ(cancel(), "Annuler");
    EXPECT_TRUE(LoadToolkitTranslations(3000));
    EXPECT_EQ(cancel(), "Abbrechen");
    EXPECT_TRUE(LoadToolkitTranslations(0));
    EXPECT_EQ(cancel(), "Cancel");
    QTemporaryDir empty;
    EXPECT_FALSE(LoadToolkitTranslations(2000, empty.path()));
    EXPECT_EQ(cancel(), "Cancel");
}

TEST(StartupRules, MarketFlagMatchesExactly) {
    EXPECT_TRUE(MarketFlagFor(modRegistry::kNotFound, ""));
    EXPECT_TRUE(MarketFlagFor(modRegistry::kSuccess, "yes"));
    EXPECT_FALSE(MarketFlagFor(modRegistry::kSuccess, "no"));
    EXPECT_FALSE(MarketFlagFor(modRegistry::kSuccess, "Yes"));
    EXPECT_FALSE(MarketFlagFor(modRegistry::kSuccess, "YES"));
    EXPECT_FALSE(MarketFlagFor(modRegistry::kSuccess, ""));
}

// A second start hands the running program its arguments after the program's name; the running
// program starts a transfer when they hold the word, in that exact case.
TEST(StartupRules, ASecondStartAsksForATransferWithTheExactWordAfterTheProgramsName) {
    const struct {
        QStringList arguments;
        const char *handedOver;
        bool transfer;
    } cases[] = {
        {{"Runvella", "startdownloadingnow"}, "startdownloadingnow", true},
        {{"Runvella", "a", "startdownloadingnow"}, "a startdownloadingnow", true},
        {{"Runvella", "-quiet", "startdownloadingnow"}, "-quiet startdownloadingnow", true},
        {{"Runvella", "xstartdownloadingnowy"}, "xstartdownloadingnowy", true},
        {{"/opt/startdownloadingnow/Runvella"}, "", false},
        {{"Runvella", "StartDownloadingNow"}, "StartDownloadingNow", false},
        {{"Runvella", "start downloading now"}, "start downloading now", false},
        {{"Runvella"}, "", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const QString message = modInstance::CommandLineMessage(modInstance::CommandLine(c.arguments));
        ASSERT_TRUE(modInstance::IsCommandLineMessage(message));
        EXPECT_EQ(modInstance::CommandLineOf(message), c.handedOver);
        EXPECT_EQ(modInstance::CommandLineAsksForTransfer(modInstance::CommandLineOf(message)), c.transfer);
    }
    // The recorder's notice is no command line, and is an argument after the program's name.
    EXPECT_FALSE(modInstance::IsCommandLineMessage(modInstance::kConnectedMessage));
    EXPECT_TRUE(IsConnectedNotice({"Runvella", "--eggconnected"}));
    EXPECT_FALSE(IsConnectedNotice({"--eggconnected"}));
}
