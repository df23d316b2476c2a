#include "AutoImportFixture.h"
#include "core/modLocalisation.h"
#include "exchange/DataFileWriter.h"
#include "exchange/ExchangeWindows.h"
#include "platform/FileState.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <QTimer>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

// Files that are still being written, and names that lead to no ordinary file.
namespace {

using namespace exchangetest;

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

qsizetype lineAfterTenSamples() {
    return wholeFile().indexOf("\r\n", tenSamples()) + 2 - tenSamples();
}

// Another program at the file, once, as soon as the event loop turns (the import turns it while it
// reads), by a second name that stays when the import takes the file's own.
class WriterDuringTheRead {
public:
    enum class Does {
        AppendsALine,
        AppendsPartOfALine,
        OpensItAndPauses,
        RewritesItDatedBack,
        MovesAnotherOverIt
    };

    WriterDuringTheRead(const QString &path, const QString &secondName, Does does) : file_(secondName) {
        EXPECT_EQ(::link(QFile::encodeName(path).constData(), QFile::encodeName(secondName).constData()), 0);
        timer_.setSingleShot(true);
        timer_.callOnTimeout([this, does] {
            acted_ = true;
            act(does);
        });
        timer_.start(0);
    }

    bool acted() const { return acted_; }
    void letGo() { file_.close(); }

private:
    void act(Does does) {
        switch (does) {
        case Does::AppendsALine:
        case Does::AppendsPartOfALine:
            ASSERT_TRUE(file_.open(QIODevice::Append));
            file_.write(
                wholeFile().mid(tenSamples(), does == Does::AppendsALine ? lineAfterTenSamples() : 7));
            file_.close();
            break;
        case Does::OpensItAndPauses:
            ASSERT_TRUE(file_.open(QIODevice::Append));
            break;
        case Does::RewritesItDatedBack: {
            const QDateTime lastChange = QFileInfo(file_).lastModified();
            ASSERT_TRUE(file_.open(QIODevice::ReadWrite));
            file_.write(wholeFile());
            file_.close();
            setLastChange(file_.fileName(), lastChange);
            break;
        }
        case Does::MovesAnotherOverIt: {
            const QDir folder(platform::paths::autoImportDir());
            const QString claimed = folder.filePath(folder.entryList(QDir::Files).value(0));
            QFile another(file_.fileName() + " (another)");
            ASSERT_TRUE(another.open(QIODevice::WriteOnly));
            another.write(wholeFile());
            ASSERT_EQ(::rename(QFile::encodeName(another.fileName()).constData(),
                               QFile::encodeName(claimed).constData()),
                      0);
            break;
        }
        }
    }

    QFile file_;
    QTimer timer_;
    bool acted_ = false;
};

// A file changed in the last two seconds may still be being written, and is left as it is for a
// later start; a last change further back, or far ahead as one set on purpose, is not.
TEST_F(AutoImport, WhetherAFileIsLeftForALaterStartFollowsItsLastChange) {
    const struct {
        const char *what;
        qint64 secondsAgo;
        bool left;
    } cases[] = {
        {"just now", 0, true},          {"a second ago", 1, true},
        {"a second ahead", -1, true},   {"three seconds ago", 3, false},
        {"a day ahead", -86400, false}, {"three centuries ahead", -9'500'000'000, false},
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
// whether it stopped after a whole line or within one, and however long its writer, holding the
// file open, has paused; a start after the copy ended stores it whole, once.
TEST_F(AutoImport, ACopyInProgressIsLeftUntilItHasEnded) {
    const struct {
        qsizetype copied;
        bool heldOpen;
    } cases[] = {
        {tenSamples(), false}, {tenSamples() + 5, false}, {tenSamples(), true}, {tenSamples() + 5, true}};
    for (const auto &copy : cases) {
        SCOPED_TRACE(testing::Message() << copy.copied << (copy.heldOpen ? " held open" : ""));
        write(waiting("run.csv"), wholeFile().left(copy.copied));
        QFile writer(waiting("run.csv"));
        if (copy.heldOpen) {
            ASSERT_TRUE(writer.open(QIODevice::Append));
            setLastChange(waiting("run.csv"), QDateTime::currentDateTime().addSecs(-60));
        }
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

// A writer that paused long enough for its file to look finished and goes on while the import
// reads, or the name given to another file meanwhile: the file keeps its name, quietly, until a
// later start finds it finished.
TEST_F(AutoImport, AFileThatChangesWhileItIsReadIsLeftUntilItHasEnded) {
    using Does = WriterDuringTheRead::Does;
    const QByteArray tenRows = wholeFile().left(tenSamples());
    const QByteArray otherValues = QByteArray(wholeFile()).replace("\"121\"", "\"131\"");
    const struct {
        const char *what;
        QByteArray before;
        Does does;
    } cases[] = {
        {"appends a line", tenRows, Does::AppendsALine},
        {"appends part of a line", tenRows, Does::AppendsPartOfALine},
        {"opens it and pauses", tenRows, Does::OpensItAndPauses},
        {"rewrites it alike in size and sets its last change back", otherValues, Does::RewritesItDatedBack},
        {"moves another file over its name", tenRows, Does::MovesAnotherOverIt},
    };
    for (const auto &writing : cases) {
        SCOPED_TRACE(writing.what);
        gConn.executeScript("delete from sessiondata; delete from sessions");
        const std::size_t shownBefore = dialogs.shown().size();
        put("run.csv", writing.before);
        WriterDuringTheRead writer(waiting("run.csv"), QDir(home.path()).filePath(writing.what),
                                   writing.does);

        exchange::AutoImportFiles();

        ASSERT_TRUE(writer.acted()) << "the writer was at work while the file was read";
        EXPECT_EQ(count("sessions"), 0);
        EXPECT_EQ(dialogs.shown().size(), shownBefore);
        EXPECT_EQ(folder(), QStringList{"run.csv"});

        writer.letGo();
        put("run.csv", wholeFile());
        exchange::AutoImportFiles();
        EXPECT_EQ(count("sessions"), 1);
        EXPECT_EQ(count("sessiondata"), 100);
        EXPECT_TRUE(folder().isEmpty());
    }
}

// A network home refuses every lease that its server grants no delegation or oplock for, writer or
// none, and a file system without leases refuses them all: there the two seconds alone decide, by
// either route. Everywhere else, and where the file system cannot be told, a refused lease means a
// writer.
TEST_F(AutoImport, ARefusedLeaseMeansAWriterBeyondANetworkHome) {
    const auto restore = qScopeGuard([] {
        platform::files::setLeaseAnswerer({});
        platform::files::setFileSystemAnswerer({});
    });
    const struct {
        const char *what;
        std::optional<std::int64_t> type;
        int refusal;
        bool imported;
    } cases[] = {{"NFS 4", 0x6969, EAGAIN, true},
                 {"NFS 3", 0x6969, EINVAL, true},
                 {"SMB2", 0xFE534D42, EAGAIN, true},
                 {"CIFS", 0xFF534D42, EAGAIN, true},
                 {"ext4", 0xEF53, EAGAIN, false},
                 {"ZFS", 0x2FC12FC1, EAGAIN, false},
                 {"eCryptfs", 0xF15F, EAGAIN, false},
                 {"NTFS (ntfs3)", 0x7366746E, EAGAIN, false},
                 {"overlay", 0x794C7630, EAGAIN, false},
                 {"FUSE", 0x65735546, EAGAIN, false},
                 {"a file system that cannot be told", std::nullopt, EAGAIN, false}};
    const QString command = QDir(home.path()).filePath("chosen.csv");
    for (const auto &system : cases) {
        SCOPED_TRACE(system.what);
        platform::files::setFileSystemAnswerer([&system](int) { return system.type; });
        platform::files::setLeaseAnswerer([&system](int) { return system.refusal; });
        gConn.executeScript("delete from sessiondata; delete from sessions");
        const std::size_t shownBefore = dialogs.shown().size();
        put("run.csv", wholeFile());
        write(command, wholeFile());

        exchange::AutoImportFiles();
        exchange::ImportDataFile(command);

        EXPECT_EQ(count("sessions"), system.imported ? 2 : 0);
        EXPECT_EQ(folder(), system.imported ? QStringList{} : QStringList{"run.csv"});
        const QString commandSaid = texts().mid(shownBefore).value(system.imported ? 1 : 0);
        if (system.imported)
            EXPECT_TRUE(commandSaid.startsWith(modLocalisation::LoadResString(1567)));
        else
            EXPECT_EQ(commandSaid, modLocalisation::LoadResString(1985).replace("%X", command));
        emptyFolder();
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

TEST_F(ImportCommand, AFileStillBeingWrittenStoresNothingAndSaysSo) {
    put("appended.csv", wholeFile().left(tenSamples()));
    WriterDuringTheRead appending(waiting("appended.csv"), QDir(home.path()).filePath("writer"),
                                  WriterDuringTheRead::Does::AppendsALine);
    put("held.csv", wholeFile());
    QFile holding(waiting("held.csv"));
    ASSERT_TRUE(holding.open(QIODevice::Append));

    exchange::ImportDataFile(waiting("appended.csv"));
    exchange::ImportDataFile(waiting("held.csv"));

    ASSERT_TRUE(appending.acted()) << "the file changed while it was read";
    EXPECT_EQ(texts(),
              QStringList({modLocalisation::LoadResString(1983).replace("%X", waiting("appended.csv")),
                           modLocalisation::LoadResString(1985).replace("%X", waiting("held.csv"))}));
    EXPECT_EQ(count("sessions"), 0);
}

} // namespace
