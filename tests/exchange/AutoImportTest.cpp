#include "exchange/AutoImport.h"
#include "AutoImportFixture.h"
#include "common/DatabaseFaults.h"
#include "common/Eventually.h"
#include "common/TimeZoneScope.h"
#include "core/ActivityListText.h"
#include "core/modLocalisation.h"
#include "exchange/DataFileWriter.h"
#include "exchange/ExchangeWindows.h"
#include "platform/FailureCauses.h"
#include "platform/FolderAccess.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cerrno>
#include <map>
#include <optional>
#include <unistd.h>

namespace {

using namespace exchangetest;
using platform::dialogs::Answer;

TEST_F(AutoImport, ImportsEveryDataFileAndDeletesIt) {
    putDataFile("a.csv");
    putDataFile("b.CSV");
    put("notes.txt", "not for import");

    exchange::AutoImportFiles();

    EXPECT_EQ(count("sessions"), 4);
    EXPECT_EQ(count("sessiondata"), 12);
    EXPECT_EQ(folder(), QStringList{"notes.txt"});
    EXPECT_EQ(dialogs.shown().size(), 2u);
}

TEST_F(AutoImport, APlainTextFileIsRefusedAndRenamedNotDeleted) {
    put("list.csv", "bread\r\nmilk\r\n");

    exchange::AutoImportFiles();

    EXPECT_EQ(folder(), QStringList{"list.cs_"});
    EXPECT_EQ(texts(),
              QStringList({"Not a valid Runvella file", "The file could not be imported and has been "
                                                        "renamed to " +
                                                            waiting("list.cs_") + "."}));
}

// The damaged file's last row lost its last values.
const QString kDamage = QStringLiteral("\n\nLine 31: too few values");

QString question(const QString &path) {
    return "There was an error importing the file " + path + ". Would you like to delete the file?" + kDamage;
}

TEST_F(AutoImport, ADamagedFileAnsweredNoIsRenamedAndNotOfferedAgain) {
    putDamagedFile("run.csv");
    dialogs.answer(Answer::No);

    exchange::AutoImportFiles();

    EXPECT_EQ(count("sessions"), 1) << "nothing of the damaged file is stored";
    EXPECT_EQ(folder(), QStringList{"run.cs_"});
    EXPECT_EQ(texts(),
              QStringList({question(waiting("run.csv")), "The file could not be imported and has been "
                                                         "renamed to " +
                                                             waiting("run.cs_") + "."}));

    exchange::AutoImportFiles();
    EXPECT_EQ(dialogs.shown().size(), 2u);
    EXPECT_EQ(folder(), QStringList{"run.cs_"});
}

TEST_F(AutoImport, ADamagedFileAnsweredYesIsDeleted) {
    putDamagedFile("run.csv");
    dialogs.answer(Answer::Yes);

    exchange::AutoImportFiles();

    EXPECT_TRUE(folder().isEmpty());
    EXPECT_EQ(texts(), QStringList({question(waiting("run.csv")), "The file was deleted successfully."}));
}

// A file is stored as it was written or not at all: whatever ends its lines and whatever its
// description holds, and when a line was added to it, so that every value after it would be read
// from the wrong line, it is kept for the athlete to decide on.
TEST_F(AutoImport, AFileIsStoredAsWrittenOrNotAtAll) {
    DataFile::Activity written = joinedGps();
    for (int time = 4; time < 24; time += 2)
        written.samples.push_back(heartRate(time, 130 + time));
    const QByteArray bytes = DataFileWriter::DataFileBytes(written, {});
    const auto described = [&bytes](const char *description) {
        return QByteArray(bytes).replace("description=Easy run", QByteArray("description=") + description);
    };
    // As a tool that appends rows with Unix line ends leaves the file.
    const auto lastTenRowsInLf = [](QByteArray file) {
        for (qsizetype row = 0, end = file.size(); row < 10; ++row) {
            end = file.lastIndexOf("\r\n", end - 1);
            file.remove(end, 1);
        }
        return file;
    };
    const struct {
        const char *name;
        QByteArray bytes;
        QString description; // none when nothing is stored
    } cases[] = {
        {"CR LF, a lone LF in the description", described("one\ntwo"), "one\ntwo"},
        {"CR LF, a lone CR in the description", described("one\rtwo"), "one\rtwo"},
        {"LF", QByteArray(bytes).replace("\r\n", "\n"), "Easy run"},
        {"LF first, then CR LF", QByteArray(bytes).replace(bytes.indexOf("\r\n"), 2, "\n"), "Easy run"},
        {"CR LF, the last ten rows in LF", lastTenRowsInLf(bytes), "Easy run"},
        {"CR LF, a lone LF and CR in the description, the last ten rows in LF",
         lastTenRowsInLf(described("one\ntwo\rthree")), "one\ntwo\rthree"},
        {"a line added to the session section",
         QByteArray(bytes).replace("\r\nmaxHR=", "\r\nfelt good\r\nmaxHR="),
         {}},
    };
    const SessionKey original = store(written);
    Row expected = activityRow(original);
    expected.erase("Description");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        put("run.csv", c.bytes);
        if (c.description.isNull())
            dialogs.answer(Answer::No);

        exchange::AutoImportFiles();

        if (c.description.isNull()) {
            EXPECT_EQ(count("sessions"), 1);
            EXPECT_EQ(folder(), QStringList{"run.cs_"});
            emptyFolder();
            continue;
        }
        const SessionKey imported = scalar("select max(prkey) from sessions");
        ASSERT_NE(imported, original);
        Row row = activityRow(imported);
        EXPECT_EQ(row["Description"].toString(), c.description);
        row.erase("Description");
        EXPECT_EQ(row, expected);
        EXPECT_EQ(sampleRows(imported), sampleRows(original));
        EXPECT_TRUE(folder().isEmpty());
        gConn.executeScript("delete from sessiondata where session_prkey = " + std::to_string(imported) +
                            "; delete from sessions where prkey = " + std::to_string(imported));
    }
}

TEST_F(AutoImport, ARenamedFileNeverReplacesAnother) {
    put("run.cs_", "kept");
    put("run-2.cs_", "kept too");
    putDamagedFile("run.csv");
    dialogs.answer(Answer::No);

    exchange::AutoImportFiles();

    EXPECT_EQ(folder(), QStringList({"run-2.cs_", "run-3.cs_", "run.cs_"}));
    EXPECT_EQ(contents(waiting("run.cs_")), "kept");
    EXPECT_EQ(contents(waiting("run-2.cs_")), "kept too");
}

TEST_F(AutoImport, AMissingFolderIsNoError) {
    ASSERT_TRUE(QDir(platform::paths::autoImportDir()).removeRecursively());
    exchange::AutoImportFiles();
    EXPECT_TRUE(dialogs.shown().empty());
}

// A folder whose files the program may not take says so once a start, naming it, and leaves its
// files as they are for a start that may.
TEST_F(AutoImport, AFolderWhoseFilesCannotBeTakenSaysSoOnceAStart) {
    const QString dir = platform::paths::autoImportDir();
    const auto system = platform::files::setFolderAnswerer(
        [&dir](const QString &folder) { return folder == dir ? EACCES : 0; });
    exchange::AutoImportFiles();
    EXPECT_TRUE(texts().isEmpty()) << "nothing waits in it";
    put("kept.cs_", "set aside earlier");
    exchange::AutoImportFiles();
    EXPECT_TRUE(texts().isEmpty()) << "only a file set aside earlier waits in it";
    putDataFile("a.csv");
    putDataFile("b.csv");
    exchange::AutoImportFiles();
    platform::files::setFolderAnswerer(system);

    ASSERT_EQ(texts(), QStringList{modLocalisation::LoadResString(1984).replace("%X", dir) + "\n\n" +
                                   qt_error_string(EACCES)});
    EXPECT_EQ(dialogs.shown().back().icon, platform::dialogs::Icon::Warning);
    EXPECT_EQ(folder(), QStringList({"a.csv", "b.csv", "kept.cs_"}));

    exchange::AutoImportFiles();
    EXPECT_EQ(count("sessions"), 4);
    EXPECT_EQ(folder(), QStringList{"kept.cs_"});
}

// Named once a start with the system's reason, and kept; imported by a start that may take it.
TEST_F(AutoImport, AFileThatCannotBeTakenIsNamedOnceAStartAndKept) {
    const QString untakeable = untakeableName(1);
    putDataFile(untakeable);
    exchange::AutoImportFiles();
    exchange::AutoImportFiles();

    const QStringList named{waiting(untakeable) + '\n' + qt_error_string(ENAMETOOLONG)};
    ASSERT_EQ(texts(),
              QStringList({modLocalisation::LoadResString(1986), modLocalisation::LoadResString(1986)}));
    EXPECT_EQ(dialogs.shown()[0].items, named);
    EXPECT_EQ(dialogs.shown()[1].items, named);
    EXPECT_EQ(count("sessions"), 1);
    EXPECT_EQ(folder(), QStringList{untakeable});

    ASSERT_TRUE(QFile::rename(waiting(untakeable), waiting("run.csv")));
    exchange::AutoImportFiles();
    EXPECT_EQ(count("sessions"), 2);
    EXPECT_TRUE(folder().isEmpty());
}

TEST_F(AutoImport, AFullDiskStoresNothingSaysSoAndLeavesTheFilesWhereTheyAre) {
    DataFile::Activity longDescription = heartRateOnly();
    longDescription.session.description = QString(6000, 'd'); // more than a page: the disk must grow
    put("a.csv", exchange::DataFileText(store(longDescription)));
    putDataFile("b.csv");
    modLocalisation::LocalizeFailureCauses();
    {
        const testing::FullDisk full(gConn);
        exchange::AutoImportFiles();
    }
    platform::failures::setCauseTexts({});

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, modLocalisation::LoadResString(1941) + "\n\ndatabase or disk is full");
    EXPECT_EQ(count("sessions"), 2);
    EXPECT_EQ(folder(), QStringList({"a.csv", "b.csv"}));
}

// A kill, a crash or a power cut at any moment of an import leaves the activity stored once: the
// next start finishes the import that was stopped before its activity was stored, and only
// removes the file of one stopped after. An activity alike in all but its time of day is another.
TEST_F(AutoImport, AnImportStoppedAtAnyMomentStoresTheActivityOnce) {
    const struct {
        const char *what;
        const char *storedBefore; // the start of the file's activity stored before the stop, if any
        int activities;
    } cases[] = {
        {"stopped before storing", nullptr, 1},
        {"stopped after storing", "2026-03-09 07:00:00", 1},
        {"another time of the day stored", "2026-03-09 18:00:00", 2},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        putDataFile("run.csv");
        gConn.executeScript("delete from sessiondata; delete from sessions");
        if (c.storedBefore) {
            exchange::ImportDataFile(waiting("run.csv"));
            gConn.prepare("update sessions set Session_datetime = ?").bindAll(c.storedBefore).execute();
        }
        ASSERT_TRUE(QFile::rename(waiting("run.csv"), waiting("run.csv.importing")));

        exchange::AutoImportFiles();

        EXPECT_EQ(count("sessions"), c.activities);
        EXPECT_EQ(count("sessiondata"), 3 * c.activities);
        EXPECT_TRUE(folder().isEmpty());
    }
}

// A program stopped at the database's n-th commit from now on, right before or right after it:
// the database keeps no later commit, and putBack() leaves the folder's files as they were then.
class StopAtCommit {
public:
    enum class When { Before, After };

    StopAtCommit(const QString &folder, int commit, When when)
        : folder_(folder), commit_(commit), when_(when) {
        sqlite3_commit_hook(gConn.handle(), &StopAtCommit::take, this);
    }
    ~StopAtCommit() { sqlite3_commit_hook(gConn.handle(), nullptr, nullptr); }

    // In place of the folder's files now.
    void putBack() const {
        for (const QString &name : folder_.entryList(QDir::Files))
            ASSERT_TRUE(QFile::remove(folder_.filePath(name)));
        for (const auto &[name, bytes] : *files_) {
            QFile file(folder_.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
    }

private:
    // Nonzero refuses the commit.
    static int take(void *self) {
        auto &stop = *static_cast<StopAtCommit *>(self);
        if (++stop.commits_ != stop.commit_)
            return stop.files_ ? 1 : 0;
        stop.files_.emplace();
        for (const QString &name : stop.folder_.entryList(QDir::Files)) {
            QFile file(stop.folder_.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                (*stop.files_)[name] = file.readAll();
        }
        return stop.when_ == When::Before ? 1 : 0;
    }

    QDir folder_;
    int commit_;
    When when_;
    int commits_ = 0;
    std::optional<std::map<QString, QByteArray>> files_;
};

// The file with another start, or none when the value is empty: the import then takes the moment
// of its claim.
QByteArray startingAt(QByteArray bytes, const QByteArray &start) {
    const QByteArray key = "\r\nSessiondate=";
    const qsizetype value = bytes.indexOf(key) + key.size();
    return bytes.replace(value, bytes.indexOf("\r\n", value) - value, start);
}

// An import commits twice: its activity with the record of its claim, then, once the file is
// gone, the record's end. A stop right before or after either leaves the activity stored once
// when the next start has finished the import.
TEST_F(AutoImport, AnImportStoppedAroundEitherOfItsCommitsIsFinishedWithTheActivityStoredOnce) {
    using When = StopAtCommit::When;
    const struct {
        const char *what;
        int commit;
        When when;
    } stops[] = {
        {"before the activity's commit", 1, When::Before},
        {"after the activity's commit", 1, When::After},
        {"before the record's end", 2, When::Before},
        {"after the record's end", 2, When::After},
    };
    for (const auto &stop : stops) {
        SCOPED_TRACE(stop.what);
        gConn.executeScript("delete from sessiondata; delete from sessions");
        put("run.csv", startingAt(DataFileWriter::DataFileBytes(heartRateSamples(3), {}), {}));
        {
            const StopAtCommit stopped(platform::paths::autoImportDir(), stop.commit, stop.when);
            exchange::AutoImportFiles();
            stopped.putBack();
        }

        exchange::AutoImportFiles();

        EXPECT_EQ(count("sessions"), 1);
        EXPECT_EQ(count("sessiondata"), 3);
        EXPECT_TRUE(folder().isEmpty()) << folder().join(' ').toStdString();
        EXPECT_EQ(count("storedClaims"), 0);
    }
}

// A start that the local clock skipped where it was set forward is stored as the moment that a
// clock not yet set forward shows, whether a file gives it or the moment of a claim; a claim's
// moment is read back from its name, however late the claim is finished. An older version's claim
// whose activity was stored where the clock did not skip its moment is found stored.
TEST_F(AutoImport, AStartIsStoredAsAMomentTheLocalClockShows) {
    const QByteArray file = DataFileWriter::DataFileBytes(heartRateSamples(3), {});
    const struct {
        const char *zone;
        const char *name;
        QByteArray bytes;
        const char *storedBefore;
        const char *start;
    } cases[] = {
        {"Europe/Berlin", "run.csv", startingAt(file, "3/29/2026 02:30:00"), nullptr, "2026-03-29 03:30:00"},
        {"UTC", "run.csv.20250101-120000.claimed", startingAt(file, {}), nullptr, "2025-01-01 12:00:00"},
        {"Europe/Berlin", "run.csv.20260329-023000.claimed", startingAt(file, {}), nullptr,
         "2026-03-29 03:30:00"},
        {"Europe/Berlin", "run.csv.20260329-023000.importing", startingAt(file, {}), "2026-03-29 02:30:00",
         "2026-03-29 02:30:00"},
    };
    for (const auto &row : cases) {
        SCOPED_TRACE(row.name);
        const testing::TimeZoneScope zone(row.zone);
        gConn.executeScript("delete from sessiondata; delete from sessions");
        if (row.storedBefore) {
            store(heartRateSamples(3));
            gConn.prepare("update sessions set Session_datetime = ?").bindAll(row.storedBefore).execute();
        }
        put(row.name, row.bytes);
        const qsizetype shownBefore = texts().size();

        exchange::AutoImportFiles();

        auto starts = gConn.prepare("select Session_datetime from sessions");
        ASSERT_TRUE(starts.step());
        EXPECT_EQ(starts.columnText(0), row.start);
        EXPECT_FALSE(starts.step()) << "stored once";
        EXPECT_TRUE(folder().isEmpty()) << folder().join(' ').toStdString();
        if (!row.storedBefore) {
            ASSERT_EQ(texts().size(), shownBefore + 1);
            EXPECT_TRUE(texts().back().endsWith(
                ActivityListText::timeText(platform::db::parseIsoDateTime(row.start).time())))
                << texts().back().toStdString();
        }
    }
}

// The moment in a claimed file's name.
const QRegularExpression kMomentInClaim(QStringLiteral("\\.(\\d{8}-\\d{6})\\."));

// An automatic import stopped right before its commit: the database keeps nothing of it, and
// the folder holds the claimed file, whose name this gives.
QString importStoppedBeforeItsCommit() {
    {
        const StopAtCommit stop(platform::paths::autoImportDir(), 1, StopAtCommit::When::Before);
        exchange::AutoImportFiles();
        stop.putBack();
    }
    const QStringList claimed = QDir(platform::paths::autoImportDir()).entryList(QDir::Files);
    EXPECT_EQ(claimed.size(), 1);
    EXPECT_TRUE(kMomentInClaim.match(claimed.value(0)).hasMatch()) << claimed.value(0).toStdString();
    return claimed.value(0);
}

// A file claimed, stopped before its commit and finished at the next start is stored, however
// alike it is to one stored before: two identical files are two activities, as are two files
// without a start claimed in the same second (a quick answer, a clock set back, the autumn's
// repeated hour).
TEST_F(AutoImport, EveryClaimedFileThatIsFinishedIsStoredOnceWhateverElseIsStored) {
    const QByteArray withAStart = DataFileWriter::DataFileBytes(heartRateSamples(3), {});
    const struct {
        const char *what;
        QByteArray first;
        QByteArray second;
        bool secondClaimedInTheFirstsSecond;
    } cases[] = {
        {"identical files", withAStart, withAStart, false},
        {"files without a start", startingAt(withAStart, {}),
         startingAt(DataFileWriter::DataFileBytes(heartRateSamples(30), {}), {}), true},
    };
    for (const auto &files : cases) {
        SCOPED_TRACE(files.what);
        gConn.executeScript("delete from sessiondata; delete from sessions");
        put("a.csv", files.first);
        const QString firstClaim = importStoppedBeforeItsCommit();
        exchange::AutoImportFiles();
        ASSERT_EQ(count("sessions"), 1);
        put("b.csv", files.second);
        const QString secondClaim = importStoppedBeforeItsCommit();
        if (files.secondClaimedInTheFirstsSecond) {
            const QString moment = kMomentInClaim.match(firstClaim).captured(1);
            const QString renamed = QString(secondClaim).replace(kMomentInClaim, '.' + moment + '.');
            if (renamed != secondClaim) {
                ASSERT_TRUE(QFile::rename(waiting(qPrintable(secondClaim)), waiting(qPrintable(renamed))));
            }
        }

        exchange::AutoImportFiles();

        EXPECT_EQ(count("sessions"), 2);
        EXPECT_EQ(count("sessiondata"), files.secondClaimedInTheFirstsSecond ? 33 : 6);
        EXPECT_TRUE(folder().isEmpty()) << folder().join(' ').toStdString();
        EXPECT_EQ(count("storedClaims"), 0);
    }
}

// The record of a stored claim goes after its file; when a stop comes between the two, the record
// must not match a later claim of the same name, which would then be deleted unstored.
TEST_F(AutoImport, ARecordWhoseFileIsGoneNeverMatchesALaterClaim) {
    const char *claim = "run.csv.20261025-023000.claimed";
    gConn.prepare("insert into storedClaims (claim) values (?)").bindAll(claim).execute();
    exchange::AutoImportFiles();

    put(claim, DataFileWriter::DataFileBytes(heartRateOnly(), {}));
    exchange::AutoImportFiles();

    EXPECT_EQ(count("sessions"), 1);
    EXPECT_EQ(count("sessiondata"), 3);
    EXPECT_TRUE(folder().isEmpty()) << folder().join(' ').toStdString();
}

// A file whose every read fails as on a failing disk: the process's own memory from address 0,
// which is never mapped.
void putUnreadableFile(const QString &path) {
    ASSERT_TRUE(QFile::link("/proc/self/mem", path));
}

QString unreadableText(const QString &path) {
    return modLocalisation::LoadResString(1981).replace("%X", path) + "\n\n" + qt_error_string(EIO);
}

// The automatic import leaves a file changed in the last two seconds for a later start; the
// system's own file, whose last change is when it was first looked at, cannot be dated back.
void waitUntilSettled(const QString &path) {
    ASSERT_TRUE(testing::eventually(
        [&] { return QFileInfo(path).lastModified().msecsTo(QDateTime::currentDateTime()) > 2100; }, 10000));
}

TEST_F(AutoImport, AFileThatCannotBeReadStaysWhereItIsAndIsTriedAgain) {
    putUnreadableFile(waiting("run.csv"));
    waitUntilSettled(waiting("run.csv"));

    for (int start = 1; start <= 2; ++start) {
        exchange::AutoImportFiles();
        EXPECT_EQ(count("sessions"), 0);
        EXPECT_EQ(folder(), QStringList{"run.csv"});
        ASSERT_EQ(texts().size(), start);
        EXPECT_EQ(texts().back(), unreadableText(waiting("run.csv")));
        EXPECT_EQ(dialogs.shown().back().icon, platform::dialogs::Icon::Critical);
    }
}

TEST_F(AutoImport, TheFileIsGoneBeforeTheAthleteIsToldOfItsImport) {
    putDataFile("run.csv");
    QStringList folderWhileTold;
    const auto previous =
        platform::dialogs::setMessageHandler([&](const platform::dialogs::MessageRequest &) {
            folderWhileTold = folder();
            return Answer::Ok;
        });
    exchange::AutoImportFiles();
    platform::dialogs::setMessageHandler(previous);

    EXPECT_EQ(count("sessions"), 2);
    EXPECT_TRUE(folderWhileTold.isEmpty()) << folderWhileTold.join(' ').toStdString();
}

TEST_F(ImportCommand, ShowsWhatBecameOfTheFile) {
    putDataFile("good.csv");
    putDamagedFile("damaged.csv");
    write(waiting("text.csv"), "bread\r\nmilk\r\n");
    putUnreadableFile(waiting("unreadable.csv"));

    for (const char *name : {"good.csv", "damaged.csv", "text.csv", "unreadable.csv"})
        exchange::ImportDataFile(waiting(name));

    ASSERT_EQ(texts().size(), 4);
    EXPECT_TRUE(texts()[0].startsWith("File Imported on ")) << texts()[0].toStdString();
    EXPECT_EQ(texts()[1], "This file contains an error. Unable to read." + kDamage);
    EXPECT_EQ(texts()[2], "Not a valid Runvella file");
    EXPECT_EQ(texts()[3], unreadableText(waiting("unreadable.csv")));
    EXPECT_EQ(count("sessions"), 3);
    EXPECT_EQ(folder().size(), 4) << "the import command leaves the files alone";
}

} // namespace
