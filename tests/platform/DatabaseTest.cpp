#include "platform/Database.h"
#include "common/DatabaseFaults.h"
#include "common/TimeZoneScope.h"
#include "platform/FailureCauses.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using platform::db::Connection;
using platform::db::DbError;
using platform::db::Transaction;

namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        path = dir.filePath("test.db");
        Connection creator;
        creator.create(path);
        creator.executeScript(
            "create table t (k integer primary key autoincrement, n integer, x real, s text)");
        creator.close();
        db.open(path);
    }

    int rowCount() {
        auto count = db.prepare("select count(*) from t");
        count.step();
        return static_cast<int>(count.columnInt64(0));
    }

    QTemporaryDir dir;
    QString path;
    Connection db;
};

TEST_F(DatabaseTest, BoundValuesComeBackUnchanged) {
    const QString hostile = "O'Brien\"; drop table t; --";
    db.prepare("insert into t (n, x, s) values (?, ?, ?)")
        .bindAll(std::int64_t{1} << 40, 2.5, hostile)
        .execute();
    EXPECT_EQ(db.lastInsertId(), 1);

    auto row = db.prepare("select n, x, s from t where s = ?");
    row.bind(1, hostile);
    ASSERT_TRUE(row.step());
    EXPECT_EQ(row.columnInt64(0), std::int64_t{1} << 40);
    EXPECT_DOUBLE_EQ(row.columnDouble(1), 2.5);
    EXPECT_EQ(row.columnText(2), hostile);
    EXPECT_EQ(row.columnIndex("S"), 2);
    EXPECT_FALSE(row.step());
}

TEST_F(DatabaseTest, DatesBindAsSortableIsoText) {
    db.prepare("insert into t (s) values (?)")
        .bind(1, QDateTime(QDate(2024, 3, 9), QTime(7, 5, 3)))
        .execute();
    db.prepare("insert into t (s) values (?)").bind(1, QDate(2024, 12, 31)).execute();
    auto rows = db.prepare("select s from t order by s");
    ASSERT_TRUE(rows.step());
    EXPECT_EQ(rows.columnText(0), "2024-03-09 07:05:03");
    ASSERT_TRUE(rows.step());
    EXPECT_EQ(rows.columnText(0), "2024-12-31");
    EXPECT_EQ(platform::db::parseIsoDateTime("2024-03-09 07:05:03"),
              QDateTime(QDate(2024, 3, 9), QTime(7, 5, 3)));
    EXPECT_EQ(platform::db::parseIsoDate("2024-03-09 07:05:03"), QDate(2024, 3, 9));
}

// A time that the clock skipped where it was stored (one stored under another zone) keeps its time:
// the moment a clock not yet set forward would show.
TEST(StoredDateTimes, ATimeTheClockSkipsReadsAsTheMomentAfterTheGap) {
    const testing::TimeZoneScope berlin("Europe/Berlin");
    const std::pair<const char *, QTime> cases[] = {{"01:59:59", QTime(1, 59, 59)},
                                                    {"02:00:00", QTime(3, 0)},
                                                    {"02:30:00", QTime(3, 30)},
                                                    {"03:00:00", QTime(3, 0)}};
    for (const auto &[stored, read] : cases)
        EXPECT_EQ(platform::db::parseIsoDateTime(QString("2026-03-29 ") + stored),
                  QDateTime(QDate(2026, 3, 29), read))
            << stored;
}

TEST_F(DatabaseTest, TransactionThatFailsHalfWayLeavesNothingBehind) {
    try {
        Transaction transaction(db);
        db.prepare("insert into t (n) values (1)").execute();
        db.prepare("insert into t (n) values (2)").execute();
        db.prepare("insert into missing_table values (3)").execute();
        transaction.commit();
        FAIL() << "the bad statement was accepted";
    } catch (const DbError &) {
    }
    EXPECT_EQ(rowCount(), 0);

    {
        Transaction transaction(db);
        db.prepare("insert into t (n) values (1)").execute();
        transaction.commit();
    }
    EXPECT_EQ(rowCount(), 1);
}

TEST_F(DatabaseTest, NestedTransactionIsKeptOnlyWhenTheOuterOneCommits) {
    {
        Transaction outer(db);
        db.prepare("insert into t (n) values (1)").execute();
        {
            Transaction inner(db);
            db.prepare("insert into t (n) values (2)").execute();
            inner.commit();
        }
        EXPECT_EQ(rowCount(), 2);
    }
    EXPECT_EQ(rowCount(), 0);

    {
        Transaction outer(db);
        Transaction inner(db);
        db.prepare("insert into t (n) values (1)").execute();
        inner.commit();
        outer.commit();
    }
    EXPECT_EQ(rowCount(), 1);
}

TEST_F(DatabaseTest, AbandonedNestedTransactionUndoesOnlyItsOwnWork) {
    {
        Transaction outer(db);
        db.prepare("insert into t (n) values (1)").execute();
        try {
            Transaction inner(db);
            db.prepare("insert into t (n) values (2)").execute();
            db.prepare("insert into missing_table values (3)").execute();
            inner.commit();
        } catch (const DbError &) {
        }
        db.prepare("insert into t (n) values (4)").execute();
        outer.commit();
    }
    auto rows = db.prepare("select group_concat(n) from (select n from t order by k)");
    ASSERT_TRUE(rows.step());
    EXPECT_EQ(rows.columnText(0), "1,4");
}

TEST_F(DatabaseTest, NullsAreReportedAsNull) {
    db.prepare("insert into t (n, s) values (?, ?)")
        .bindAll(platform::db::Null{}, std::optional<QString>{})
        .execute();
    auto row = db.prepare("select n, s from t");
    ASSERT_TRUE(row.step());
    EXPECT_TRUE(row.isNull(0));
    EXPECT_TRUE(row.isNull(1));
}

TEST_F(DatabaseTest, ColumnListFollowsDeclaredOrderWhateverTheCaseOfTheTableName) {
    EXPECT_EQ(db.tableColumns("T"), QStringList({"k", "n", "x", "s"}));
    EXPECT_TRUE(db.tableColumns("no_such_table").isEmpty());
}

QByteArray fileBytes(const QString &path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A file that cannot serve as the database is refused with its cause, and left as it was.
TEST(DatabaseOpen, UnusableFilesAreRefusedWithTheirCauseAndLeftUntouched) {
    using platform::failures::Cause;
    const struct {
        const char *name;
        std::function<void(const QString &)> make;
        Cause cause;
    } cases[] = {
        {"missing", [](const QString &) {}, Cause::NotFound},
        {"empty", [](const QString &path) { writeBytes(path, {}); }, Cause::Damaged},
        {"not a database", [](const QString &path) { writeBytes(path, QByteArray(4096, 'x')); },
         Cause::Damaged},
        {"truncated",
         [](const QString &path) {
             {
                 Connection creator;
                 creator.create(path);
                 creator.executeScript("create table t (s); create table u (n)");
                 for (int row = 0; row < 200; ++row)
                     creator.prepare("insert into t values (?)").bind(1, QString(300, 'r')).execute();
             }
             writeBytes(path, fileBytes(path).left(8192));
         },
         Cause::Damaged},
        {"read-only",
         [](const QString &path) {
             Connection creator;
             creator.create(path);
             creator.executeScript("create table t (n)");
             creator.close();
             QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
         },
         Cause::ReadOnly},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("file.db");
        c.make(path);
        const QByteArray before = fileBytes(path);
        Connection db;
        try {
            db.open(path);
            ADD_FAILURE() << "opened";
        } catch (const DbError &failure) {
            EXPECT_EQ(platform::failures::causeOf(failure), c.cause) << failure.what();
        }
        EXPECT_FALSE(db.isOpen());
        EXPECT_EQ(QFile::exists(path), c.cause != Cause::NotFound);
        EXPECT_EQ(fileBytes(path), before);
    }
}

TEST_F(DatabaseTest, ADatabaseAnotherProgramHoldsIsInUse) {
    {
        testing::OtherProgramsLock other(path, testing::OtherProgramsLock::Holds::Everything);
        db.close();
        try {
            db.open(path);
            ADD_FAILURE() << "opened";
        } catch (const DbError &failure) {
            EXPECT_EQ(platform::failures::causeOf(failure), platform::failures::Cause::InUse)
                << failure.what();
        }
    }
    db.open(path);
    testing::OtherProgramsLock other(path);
    try {
        db.prepare("insert into t (n) values (1)").execute();
        ADD_FAILURE() << "written";
    } catch (const DbError &failure) {
        EXPECT_EQ(platform::failures::causeOf(failure), platform::failures::Cause::InUse) << failure.what();
    }
}

} // namespace
