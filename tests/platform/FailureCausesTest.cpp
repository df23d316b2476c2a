#include "platform/FailureCauses.h"
#include "platform/Database.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <stdexcept>

namespace {

using platform::db::DbError;
using platform::failures::Cause;
using platform::failures::causeOf;

TEST(FailureCauses, EngineCodesAndSystemErrorsNameWhatTheAthleteCanMend) {
    const struct {
        int code;
        int systemError;
        Cause cause;
    } cases[] = {
        {SQLITE_BUSY, 0, Cause::InUse},
        {SQLITE_BUSY_SNAPSHOT, 0, Cause::InUse},
        {SQLITE_LOCKED, 0, Cause::InUse},
        {SQLITE_FULL, 0, Cause::DiskFull},
        {SQLITE_IOERR_WRITE, ENOSPC, Cause::DiskFull},
        {SQLITE_IOERR_WRITE, EFBIG, Cause::DiskFull},
        {SQLITE_IOERR_WRITE, EDQUOT, Cause::DiskFull},
        {SQLITE_READONLY, 0, Cause::ReadOnly},
        {SQLITE_READONLY_DBMOVED, 0, Cause::ReadOnly},
        {SQLITE_CANTOPEN, EACCES, Cause::ReadOnly},
        {SQLITE_IOERR_WRITE, EROFS, Cause::ReadOnly},
        {SQLITE_CORRUPT, 0, Cause::Damaged},
        {SQLITE_NOTADB, 0, Cause::Damaged},
        {SQLITE_CANTOPEN, ENOENT, Cause::NotFound},
        {0, ENOSPC, Cause::DiskFull},
        {0, ENOENT, Cause::NotFound},
        {SQLITE_IOERR_READ, EIO, Cause::Other},
        {SQLITE_CONSTRAINT, 0, Cause::Other},
        {SQLITE_ERROR, ENOSPC, Cause::Other},
        {0, 0, Cause::Other},
    };
    for (const auto &c : cases)
        EXPECT_EQ(causeOf(c.code, c.systemError), c.cause) << c.code << " " << c.systemError;
}

TEST(FailureCauses, TheSentenceComesFirstAndTheEngineTextStaysAsADetail) {
    const DbError locked(SQLITE_BUSY, "database is locked");
    EXPECT_EQ(platform::failures::describe(locked), "database is locked") << "no sentence set";

    platform::failures::setCauseTexts({{Cause::InUse, "In use."}, {Cause::Other, "Failed."}});
    EXPECT_EQ(platform::failures::describe(locked), "In use.\n\ndatabase is locked");
    EXPECT_EQ(platform::failures::describe(DbError(SQLITE_CONSTRAINT, "raised")), "Failed.\n\nraised");
    EXPECT_EQ(platform::failures::describe(std::runtime_error("not the database's")), "not the database's");
    EXPECT_EQ(platform::failures::describe("Not saved.", locked),
              "Not saved.\nIn use.\n\ndatabase is locked");
    EXPECT_EQ(platform::failures::describe("Not saved.", std::runtime_error("no key")), "Not saved. no key");
    EXPECT_EQ(platform::failures::describe("Not saved.", std::runtime_error("no key"), 5),
              "Not saved. 5 no key");
    EXPECT_EQ(platform::failures::describe("Not saved.", locked, 5),
              "Not saved.\nIn use.\n\ndatabase is locked");
    platform::failures::setCauseTexts({});
}

} // namespace
