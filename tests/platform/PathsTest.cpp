#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString &path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// A build tree keeps the library beside the program; an installed one keeps it in the prefix.
TEST(ProgramFiles, BesideTheProgramWinsThenTheInstalledPrefixThenBesideAgain) {
    QTemporaryDir root;
    const QString bin = root.filePath("bin");
    QDir().mkpath(bin);
    const QString installed = root.filePath("lib/liblogger.so");

    EXPECT_EQ(platform::paths::programFile(bin, "liblogger.so", "../lib/liblogger.so"),
              bin + "/liblogger.so");
    touch(installed);
    EXPECT_EQ(platform::paths::programFile(bin, "liblogger.so", "../lib/liblogger.so"), installed);
    touch(bin + "/liblogger.so");
    EXPECT_EQ(platform::paths::programFile(bin, "liblogger.so", "../lib/liblogger.so"),
              bin + "/liblogger.so");
}

} // namespace
