#include "platform/BatchInsert.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::db::BatchInsert;
using platform::db::Connection;

namespace {

class BatchInsertTest : public ::testing::Test {
protected:
    void SetUp() override {
        db.create(dir.filePath("batch.db"));
        db.executeScript("create table samples (k integer primary key, n integer, x real, s text)");
    }

    std::vector<std::int64_t> storedNumbers() {
        std::vector<std::int64_t> numbers;
        auto rows = db.prepare("select n from samples order by k");
        while (rows.step())
            numbers.push_back(rows.columnInt64(0));
        return numbers;
    }

    QTemporaryDir dir;
    Connection db;
};

TEST_F(BatchInsertTest, EveryRowArrivesInOrderWhateverTheBatchBoundary) {
    for (int count : {0, 1, BatchInsert::kRowsPerStatement - 1, BatchInsert::kRowsPerStatement,
                      3 * BatchInsert::kRowsPerStatement + 5}) {
        db.executeScript("delete from samples");
        BatchInsert insert(db, "samples", {"n", "x", "s"});
        std::vector<std::int64_t> expected;
        for (int i = 0; i < count; ++i) {
            insert.add(std::int64_t{i}, i * 0.5, QString("row %1").arg(i));
            expected.push_back(i);
        }
        insert.flush();
        EXPECT_EQ(storedNumbers(), expected) << count << " rows";
    }
}

TEST_F(BatchInsertTest, ValuesKeepTheirTypes) {
    BatchInsert insert(db, "samples", {"n", "x", "s"});
    insert.add(7, 2.25f, platform::db::Null{});
    insert.flush();
    auto row = db.prepare("select typeof(n), x, s is null from samples");
    ASSERT_TRUE(row.step());
    EXPECT_EQ(row.columnText(0), "integer");
    EXPECT_DOUBLE_EQ(row.columnDouble(1), 2.25);
    EXPECT_EQ(row.columnInt64(2), 1);
}

TEST_F(BatchInsertTest, RowsOfAnAbandonedTransactionAreNotKept) {
    {
        platform::db::Transaction transaction(db);
        BatchInsert insert(db, "samples", {"n"});
        for (int i = 0; i < 100; ++i)
            insert.add(i);
        insert.flush();
    }
    EXPECT_TRUE(storedNumbers().empty());
}

} // namespace
