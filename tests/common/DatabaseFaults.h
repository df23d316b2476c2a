#pragma once

#include "platform/Database.h"

// Ways to make the open database fail as a full disk, a damaged file or another program does,
// and the way back.
namespace testing {

struct DatabaseFault {
    const char *apply;
    const char *undo;
    const char *text; // what the database says
};

inline const DatabaseFault kReadsFail{"alter table sessions rename to sessions_away",
                                      "alter table sessions_away rename to sessions",
                                      "no such table: sessions"};
inline const DatabaseFault kWritesFail{
    "create trigger refuse before update on sessions begin select raise(abort, 'disk is full'); end",
    "drop trigger refuse", "disk is full"};

// Another program's connection that holds the database file in an exclusive transaction while
// it lives: this program may read but not write. Holding everything keeps this program from
// reading as well.
class OtherProgramsLock {
public:
    enum class Holds { Writes, Everything };

    explicit OtherProgramsLock(const QString &path, Holds holds = Holds::Writes) {
        connection_.open(path);
        if (holds == Holds::Everything)
            connection_.executeScript("PRAGMA locking_mode = EXCLUSIVE");
        connection_.executeScript("BEGIN EXCLUSIVE");
    }
    ~OtherProgramsLock() { connection_.close(); }

    void release() { connection_.close(); }

private:
    platform::db::Connection connection_;
};

// Makes the connection's database as large as it may grow: a write that needs one more page
// fails as on a full disk, for as long as this lives.
class FullDisk {
public:
    explicit FullDisk(platform::db::Connection &connection) : connection_(connection) {
        connection.executeScript("VACUUM"); // no free page is left to reuse
        auto pages = connection.prepare("PRAGMA page_count");
        pages.step();
        connection.executeScript("PRAGMA max_page_count = " + std::to_string(pages.columnInt64(0)));
    }
    ~FullDisk() { connection_.executeScript("PRAGMA max_page_count = 1073741823"); }

private:
    platform::db::Connection &connection_;
};

} // namespace testing
