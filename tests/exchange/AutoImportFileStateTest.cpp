#include "AutoImportFixture.h"
#include "core/modLocalisation.h"
#include "exchange/ExchangeWindows.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

// Names that lead to no ordinary file.
namespace {

using namespace exchangetest;

QString notOrdinary(const QString &path) {
    return modLocalisation::LoadResString(1982).replace("%X", path);
}

// Devices and pipes: one never ends, one ends at once, and opening a pipe waits for a writer.
QStringList notOrdinaryFiles(const QString &folder) {
    const QString pipe = QDir(folder).filePath("pipe");
    EXPECT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    return {"/dev/null", "/dev/zero", pipe};
}

// A link to a device or a pipe is not read: it gets the message and is set aside, as a file that
// is no data file is, so that it is not offered again.
TEST_F(AutoImport, ALinkToADeviceOrAPipeIsSetAsideUnread) {
    for (const QString &target : notOrdinaryFiles(home.path())) {
        SCOPED_TRACE(target.toStdString());
        ASSERT_TRUE(QFile::link(target, waiting("run.csv")));
        const qsizetype shownBefore = texts().size();

        exchange::AutoImportFiles();
        exchange::AutoImportFiles();

        EXPECT_EQ(texts().mid(shownBefore),
                  QStringList({notOrdinary(waiting("run.csv")),
                               "The file could not be imported and has been renamed to " +
                                   waiting("run.cs_") + "."}));
        EXPECT_EQ(folder(), QStringList{"run.cs_"});
        EXPECT_EQ(count("sessions"), 0);
        emptyFolder();
    }
}

TEST_F(ImportCommand, RefusesADeviceOrAPipeWithoutOpeningIt) {
    const QStringList targets = notOrdinaryFiles(home.path());
    for (const QString &target : targets)
        exchange::ImportDataFile(target);

    EXPECT_EQ(texts(),
              QStringList({notOrdinary(targets[0]), notOrdinary(targets[1]), notOrdinary(targets[2])}));
    EXPECT_EQ(count("sessions"), 0);
}

} // namespace
