#include "platform/Database.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

TEST(DatabaseOpen, MissingFileIsAFailureAndIsNotCreated) {
    QTemporaryDir dir;
    const QString path = dir.filePath("absent.db");
    Connection db;
    EXPECT_THROW(db.open(path), DbError);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(db.isOpen());
}

TEST(DatabaseOpen, ReadOnlyFileIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath("ro.db");
    {
        Connection creator;
        creator.create(path);
        creator.executeScript("create table t (n)");
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    Connection db;
    EXPECT_THROW(db.open(path), DbError);
}

TEST(DatabaseOpen, FileThatIsNotADatabaseIsRefused) {
    QTemporaryDir dir;
    const QString path = dir.filePath("junk.db");
    QFile junk(path);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, 'x'));
    junk.close();
    Connection db;
    EXPECT_THROW(db.open(path), DbError);
}

} // namespace
