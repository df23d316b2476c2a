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

TEST(StartupRules, TransferWordIsACaseSensitiveSubstring) {
    using modInstance::CommandLineAsksForTransfer;
    EXPECT_TRUE(CommandLineAsksForTransfer("startdownloadingnow"));
    EXPECT_TRUE(CommandLineAsksForTransfer("-quiet startdownloadingnow"));
    EXPECT_TRUE(CommandLineAsksForTransfer("xstartdownloadingnowy"));
    EXPECT_FALSE(CommandLineAsksForTransfer("StartDownloadingNow"));
    EXPECT_FALSE(CommandLineAsksForTransfer("start downloading now"));
    EXPECT_FALSE(CommandLineAsksForTransfer(""));
}

TEST(StartupRules, CommandLineLeavesOutTheProgramsName) {
    EXPECT_EQ(modInstance::CommandLine({"/opt/startdownloadingnow/Runvella"}), "");
    EXPECT_EQ(modInstance::CommandLine({"Runvella", "a", "startdownloadingnow"}), "a startdownloadingnow");
    EXPECT_TRUE(IsConnectedNotice({"Runvella", "--eggconnected"}));
    EXPECT_FALSE(IsConnectedNotice({"--eggconnected"}));
}

TEST(StartupRules, CommandLineSurvivesTheHandOver) {
    const QString message = modInstance::CommandLineMessage("a startdownloadingnow");
    ASSERT_TRUE(modInstance::IsCommandLineMessage(message));
    EXPECT_EQ(modInstance::CommandLineOf(message), "a startdownloadingnow");
    EXPECT_FALSE(modInstance::IsCommandLineMessage(modInstance::kConnectedMessage));
}
