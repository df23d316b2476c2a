#include "AutoImportFixture.h"
#include "core/modLocalisation.h"
#include "exchange/DataFileWriter.h"
#include "exchange/ExchangeWindows.h"

#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <sys/stat.h>

// Files that are still being written, and names that lead to no ordinary file.
namespace {

using namespace exchangetest;

// Writes the rest of the file a piece at a time whenever the event loop turns, as a slow copy or
// a program that writes its file line by line does; the import turns it while it reads. The file
// stays open, so that the writing follows it when it is renamed.
class SlowCopy {
public:
    enum class Pieces { WholeLines, CutLines };

    SlowCopy(const QString &path, const QByteArray &bytes, qsizetype written, Pieces pieces)
        : file_(path), bytes_(bytes), written_(written), pieces_(pieces) {
        EXPECT_TRUE(file_.open(QIODevice::Append)) << path.toStdString();
        timer_.callOnTimeout([this] { writeNextPiece(); });
        timer_.start(0);
    }

    int piecesWritten() const { return piecesWritten_; }

    void finish() {
        timer_.stop();
        append(bytes_.size());
    }

private:
    void writeNextPiece() {
        if (written_ == bytes_.size())
            return;
        append(pieces_ == Pieces::WholeLines ? bytes_.indexOf("\r\n", written_) + 2
                                             : std::min(written_ + 7, bytes_.size()));
        ++piecesWritten_;
    }

    void append(qsizetype end) {
        file_.write(bytes_.mid(written_, end - written_));
        file_.flush();
        written_ = end;
    }

    QFile file_;
    QByteArray bytes_;
    qsizetype written_;
    Pieces pieces_;
    int piecesWritten_ = 0;
    QTimer timer_;
};

QByteArray wholeFile() {
    return DataFileWriter::DataFileBytes(heartRateSamples(100), {});
}

// The bytes of the whole file up to its tenth sample, after the recorded section's heading.
qsizetype tenSamples() {
    const QByteArray whole = wholeFile();
    qsizetype end = whole.indexOf("[recorded]");
    for (int line = 0; line < 12; ++line)
        end = whole.indexOf("\r\n", end) + 2;
    return end;
}

// A file changed in the last two seconds may still be being written, and is left as it is for a
// later start; a last change further back, or far ahead as one set on purpose, is not.
TEST_F(AutoImport, WhetherAFileIsLeftForALaterStartFollowsItsLastChange) {
    const struct {
        const char *what;
        qint64 secondsAgo;
        bool left;
    } cases[] = {
        {"just now", 0, true},           {"a second ago", 1, true},      {"a second ahead", -1, true},
        {"three seconds ago", 3, false}, {"a day ahead", -86400, false},
    };
    for (const auto &lastChange : cases) {
        SCOPED_TRACE(lastChange.what);
        gConn.executeScript("delete from sessiondata; delete from sessions");
        write(waiting("run.csv"), wholeFile());
        setLastChange(waiting("run.csv"), QDateTime::currentDateTime().addSecs(-lastChange.secondsAgo));

        exchange::AutoImportFiles();

        EXPECT_EQ(count("sessions"), lastChange.left ? 0 : 1);
        EXPECT_EQ(folder(), lastChange.left ? QStringList{"run.csv"} : QStringList{});
        emptyFolder();
    }
}

// A copy in progress as the program starts is not stored, not called damaged and not asked about,
// whether it stopped after a whole line or within one; a start after the copy ended stores it
// whole, once.
TEST_F(AutoImport, ACopyInProgressIsLeftUntilItHasEnded) {
    for (const qsizetype copied : {tenSamples(), tenSamples() + 5}) {
        write(waiting("run.csv"), wholeFile().left(copied));
        exchange::AutoImportFiles();
        EXPECT_EQ(count("sessions"), 0);
        EXPECT_TRUE(dialogs.shown().empty());
        EXPECT_EQ(folder(), QStringList{"run.csv"});
    }

    write(waiting("run.csv"), wholeFile());
    setLastChange(waiting("run.csv"), QDateTime::currentDateTime().addSecs(-5));
    exchange::AutoImportFiles();

    EXPECT_EQ(count("sessions"), 1);
    EXPECT_EQ(count("sessiondata"), 100);
    EXPECT_TRUE(folder().isEmpty());
}

// A writer that paused long enough for its file to look finished and writes on while the import
// reads: the file keeps its name, quietly, until a later start finds it finished.
TEST_F(AutoImport, AFileThatChangesWhileItIsReadIsLeftUntilItHasEnded) {
    for (const auto pieces : {SlowCopy::Pieces::WholeLines, SlowCopy::Pieces::CutLines}) {
        SCOPED_TRACE(pieces == SlowCopy::Pieces::WholeLines ? "whole lines" : "cut lines");
        gConn.executeScript("delete from sessiondata; delete from sessions");
        put("run.csv", wholeFile().left(tenSamples()));
        SlowCopy copy(waiting("run.csv"), wholeFile(), tenSamples(), pieces);
        const std::size_t shownBefore = dialogs.shown().size();

        exchange::AutoImportFiles();

        ASSERT_GT(copy.piecesWritten(), 0) << "the file changed while it was read";
        EXPECT_EQ(count("sessions"), 0);
        EXPECT_EQ(dialogs.shown().size(), shownBefore);
        EXPECT_EQ(folder(), QStringList{"run.csv"});

        copy.finish();
        setLastChange(waiting("run.csv"), QDateTime::currentDateTime().addSecs(-5));
        exchange::AutoImportFiles();
        EXPECT_EQ(count("sessions"), 1);
        EXPECT_EQ(count("sessiondata"), 100);
        EXPECT_TRUE(folder().isEmpty());
    }
}

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

TEST_F(ImportCommand, AFileThatChangesWhileItIsReadStoresNothingAndSaysSo) {
    write(waiting("run.csv"), wholeFile().left(tenSamples()));
    SlowCopy copy(waiting("run.csv"), wholeFile(), tenSamples(), SlowCopy::Pieces::WholeLines);

    exchange::ImportDataFile(waiting("run.csv"));

    ASSERT_GT(copy.piecesWritten(), 0) << "the file changed while it was read";
    EXPECT_EQ(texts(), QStringList{modLocalisation::LoadResString(1983).replace("%X", waiting("run.csv"))});
    EXPECT_EQ(count("sessions"), 0);
}

} // namespace
