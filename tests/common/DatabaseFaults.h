#pragma once

// Ways to make the open database fail as a full disk or a damaged file does, and the way back.
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

} // namespace testing
