#include "mainwindow/DatabaseCompaction.h"
#include "platform/FileReplace.h"
#include "transfer/ActivityFixture.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using DatabaseCompaction::Outcome;

class DatabaseCompactionTest : public ActivityFixture {
protected:
    // Activities with samples, half of them deleted again, so that the file has free pages.
    void fillAndThinOut(int activities, int samplesEach) {
        platform::db::Transaction transaction(gConn);
        for (int index = 0; index < activities; ++index) {
            const QString start =
                QDateTime(QDate(2026, 1, 1).addDays(index), QTime(7, 0)).toString("yyyy-MM-dd HH:mm:ss");
            const SessionKey key = addActivity(index % 2, 600, 1.5, "km", start.toUtf8().constData());
            addHeartRate(key, samplesEach);
        }
        gConn.executeScript("delete from sessiondata where session_prkey % 2 = 0; "
                            "delete from sessions where prkey % 2 = 0");
        transaction.commit();
    }

    // Every row of every table as text, in a fixed order.
    static QStringList contents() {
        QStringList rows;
        auto tables = gConn.prepare("select name from sqlite_master where type = 'table' order by name");
        while (tables.step()) {
            const QString table = tables.columnText(0);
            auto query = gConn.prepare(("select * from \"" + table + "\" order by rowid").toStdString());
            while (query.step()) {
                QStringList fields{table};
                for (int column = 0; column < query.columnCount(); ++column)
                    fields << (query.isNull(column) ? "<null>" : query.columnText(column));
                rows << fields.join('|');
            }
        }
        return rows;
    }

    static QString firstValue(const char *sql) {
        auto query = gConn.prepare(sql);
        return query.step() ? query.columnText(0) : QString();
    }

    static QByteArray bytesOf(const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    const QString database = platform::paths::databasePath();
    const QString temp = platform::paths::tempDatabasePath();
};

TEST_F(DatabaseCompactionTest, RunsOnlyOnItsFiveDaysAndRemovesTheBackupThen) {
    addActivity(0, 600);
    for (int dayOfMonth = 1; dayOfMonth <= 31; ++dayOfMonth) {
        SCOPED_TRACE(dayOfMonth);
        QFile backup(platform::paths::backupDatabasePath());
        ASSERT_TRUE(backup.open(QIODevice::WriteOnly));
        backup.close();
        const bool due = dayOfMonth % 5 == 0 && dayOfMonth <= 25;

        const Outcome outcome = DatabaseCompaction::CompactIfDue(gConn, QDate(2026, 1, dayOfMonth));

        EXPECT_EQ(outcome, due ? Outcome::Compacted : Outcome::NotDue);
        EXPECT_EQ(backup.exists(), !due);
        ASSERT_TRUE(gConn.isOpen());
        EXPECT_EQ(firstValue("select count(*) from sessions"), "1");
    }
}

TEST_F(DatabaseCompactionTest, TheContentsStayAndTheFileDoesNotGrow) {
    fillAndThinOut(100, 100);
    const QStringList before = contents();
    gConn.close(); // the log goes into the file
    const qint64 sizeBefore = QFileInfo(database).size();
    gConn.open(database);

    EXPECT_EQ(DatabaseCompaction::CompactIfDue(gConn, QDate(2026, 3, 15)), Outcome::Compacted);

    EXPECT_EQ(contents(), before);
    EXPECT_LT(QFileInfo(database).size(), sizeBefore);
    EXPECT_EQ(firstValue("pragma integrity_check"), "ok");
    EXPECT_FALSE(QFile::exists(temp));
}

TEST_F(DatabaseCompactionTest, ALeftOverTemporaryFileIsReplaced) {
    addActivity(0, 600);
    gConn.close();
    QFile leftOver(temp);
    ASSERT_TRUE(leftOver.open(QIODevice::WriteOnly));
    leftOver.write("not a database");
    leftOver.close();

    EXPECT_EQ(DatabaseCompaction::Compact(database, temp), Outcome::Compacted);

    EXPECT_FALSE(QFile::exists(temp));
    gConn.open(database);
    EXPECT_EQ(firstValue("select count(*) from sessions"), "1");
}

// Each failure leaves the original byte for byte and no copy behind.
TEST_F(DatabaseCompactionTest, AFailedStepLeavesTheOriginalAsItWas) {
    fillAndThinOut(100, 100);
    gConn.close();
    const QByteArray original = bytesOf(database);
    ASSERT_GT(original.size(), 256 * 1024);

    const QString missingFolder = QDir(home.path()).filePath("missing/temp.db");
    const QString folderInTheWay = QDir(home.path()).filePath("occupied");
    ASSERT_TRUE(QDir().mkpath(folderInTheWay + "/inside"));

    const struct {
        const char *what;
        QString tempPath;
        bool fullDisk;
    } cases[] = {
        {"a temporary file that fills up", temp, true},
        {"a folder that is not there", missingFolder, false},
        {"a folder where the temporary file should be", folderInTheWay, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Outcome outcome;
        if (c.fullDisk) {
            // Writes past 64 KiB fail as on a full disk.
            const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit previous{};
            getrlimit(RLIMIT_FSIZE, &previous);
            rlimit small = previous;
            small.rlim_cur = 64 * 1024;
            setrlimit(RLIMIT_FSIZE, &small);
            outcome = DatabaseCompaction::Compact(database, c.tempPath);
            setrlimit(RLIMIT_FSIZE, &previous);
            std::signal(SIGXFSZ, previousHandler);
        } else {
            outcome = DatabaseCompaction::Compact(database, c.tempPath);
        }
        EXPECT_EQ(outcome, Outcome::Failed);
        EXPECT_TRUE(bytesOf(database) == original);
        EXPECT_FALSE(QFileInfo(c.tempPath).isFile());
    }
    EXPECT_TRUE(QFileInfo(folderInTheWay).isDir()); // not the compaction's to remove
}

TEST_F(DatabaseCompactionTest, ADatabaseThatAnotherProgramHoldsIsLeftAlone) {
    addActivity(0, 600);
    gConn.close();
    const QByteArray original = bytesOf(database);
    QProcess holder;
    holder.start("sh", {"-c", "exec 3<\"$1\"; echo holding; exec sleep 60", "sh", database});
    ASSERT_TRUE(holder.waitForReadyRead(10000));
    ASSERT_TRUE(platform::files::openByAnotherProcess(database));

    EXPECT_EQ(DatabaseCompaction::Compact(database, temp), Outcome::InUse);

    holder.kill();
    holder.waitForFinished();
    EXPECT_TRUE(bytesOf(database) == original);
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_FALSE(platform::files::openByAnotherProcess(database));
}

} // namespace
