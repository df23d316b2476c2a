#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <chrono>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

// A thin RAII layer over SQLite's C API. Every value reaches a statement through a bound
// parameter; statement text is never assembled from user input.
namespace platform::db {

// Any engine failure: SQLite's result code, the system's error number behind it (0 when there is
// none) and the engine's own text. platform::failures::describe says it to the athlete.
class DbError : public std::runtime_error {
public:
    DbError(int code, const std::string &message, int systemError = 0)
        : std::runtime_error(message), code_(code), systemError_(systemError) {}
    int code() const { return code_; }
    int systemError() const { return systemError_; }

private:
    int code_;
    int systemError_;
};

// Date columns hold "YYYY-MM-DD", date-and-time columns "YYYY-MM-DD HH:MM:SS"; both sort as text.
// A stored time is read as the local clock's (clock::atWallClock), so that one stored where the
// clock did not skip it still has its time.
QString isoDate(const QDate &date);
QString isoDateTime(const QDateTime &dateTime);
QDate parseIsoDate(const QString &text);
QDateTime parseIsoDateTime(const QString &text);

// How long a statement of each connection opened from now on waits for another program's lock
// to end before it fails as busy: a few seconds unless set.
void setBusyTimeout(std::chrono::milliseconds timeout);

struct Null {};

class Statement {
public:
    Statement(sqlite3 *db, std::string_view sql);
    ~Statement();
    Statement(Statement &&other) noexcept;
    Statement &operator=(Statement &&other) = delete;
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Parameters are numbered from 1, as in the statement text's "?" order.
    Statement &bind(int index, std::int64_t value);
    Statement &bind(int index, int value) { return bind(index, static_cast<std::int64_t>(value)); }
    Statement &bind(int index, double value);
    Statement &bind(int index, const QString &value);
    Statement &bind(int index, const char *value) { return bind(index, QString::fromUtf8(value)); }
    Statement &bind(int index, const QDate &value) { return bind(index, isoDate(value)); }
    Statement &bind(int index, const QDateTime &value) { return bind(index, isoDateTime(value)); }
    Statement &bind(int index, Null);
    template <typename T> Statement &bind(int index, const std::optional<T> &value) {
        return value ? bind(index, *value) : bind(index, Null{});
    }

    // Binds the arguments to parameters 1, 2, ... in order.
    template <typename... Args> Statement &bindAll(const Args &...args) {
        int index = 1;
        (bind(index++, args), ...);
        return *this;
    }

    // Advances to the next row; false when the statement is done.
    bool step();
    // Runs a statement that returns no rows.
    void execute();
    // Makes the statement ready to run again with new bindings.
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    std::int64_t columnInt64(int column) const;
    double columnDouble(int column) const;
    QString columnText(int column) const;
    // Column index by name, without regard to case; -1 when the row has no such column.
    int columnIndex(const QString &name) const;

private:
    void check(int rc) const;

    sqlite3 *db_;
    sqlite3_stmt *stmt_ = nullptr;
};

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Opens an existing database file for reading and writing; never creates one, and never
    // writes into a file that is not a database.
    void open(const QString &path);
    // Creates a new, empty database file (used only to build the initial database).
    void create(const QString &path);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    QString path() const { return path_; }

    Statement prepare(std::string_view sql);
    // Runs one or more statements that take no parameters (schema scripts, pragmas).
    void executeScript(std::string_view sql);
    std::int64_t lastInsertId() const;
    int changes() const;

    // The column names of a table in their declared order.
    QStringList tableColumns(const QString &table);

    sqlite3 *handle() const { return db_; }

private:
    void openWith(const QString &path, int flags);

    sqlite3 *db_ = nullptr;
    QString path_;
};

// All-or-nothing unit of work: rolled back unless commit() was reached. One opened while
// another is open on the connection nests inside it (a savepoint): its commit hands its work
// to the outer one, which alone makes it permanent, and without a commit only its own work is
// undone. So a merge that deletes an activity stays one unit.
class Transaction {
public:
    explicit Transaction(Connection &connection);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    Connection &connection_;
    bool nested_;
    bool done_ = false;
};

} // namespace platform::db
