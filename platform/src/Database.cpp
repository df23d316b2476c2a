#include "platform/Database.h"

#include "platform/WallClock.h"

#include <sqlite3.h>

#include <QFileInfo>

#include <cerrno>

namespace platform::db {
namespace {

[[noreturn]] void fail(sqlite3 *db, int rc) {
    const char *message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    throw DbError(rc, message ? message : "database error", db ? sqlite3_system_errno(db) : 0);
}

// A lock that another program holds for a moment passes unseen; one held longer is reported.
std::chrono::milliseconds busyTimeout{3000};

// A transfer writes hundreds of thousands of samples; a page cache of 64 MiB keeps their
// index pages in memory. Each stored session is its own transaction: the write-ahead log with
// normal syncing keeps every committed one safe from a crash of the program, at one disk sync
// per checkpoint instead of several per session.
constexpr const char *kSessionPragmas = "PRAGMA foreign_keys = ON; PRAGMA cache_size = -65536; PRAGMA "
                                        "journal_mode = WAL; PRAGMA synchronous = NORMAL;";

} // namespace

void setBusyTimeout(std::chrono::milliseconds timeout) {
    busyTimeout = timeout;
}

QString isoDate(const QDate &date) {
    return date.toString(Qt::ISODate);
}

QString isoDateTime(const QDateTime &dateTime) {
    return dateTime.toString("yyyy-MM-dd HH:mm:ss");
}

QDate parseIsoDate(const QString &text) {
    return QDate::fromString(text.left(10), Qt::ISODate);
}

QDateTime parseIsoDateTime(const QString &text) {
    const QDate day = parseIsoDate(text);
    const QTime time = text.size() == 19 && text.at(10) == QLatin1Char(' ')
                           ? QTime::fromString(text.mid(11), QStringLiteral("HH:mm:ss"))
                           : QTime();
    return clock::atWallClock(day, time.isValid() ? time : QTime(0, 0));
}

Statement::Statement(sqlite3 *db, std::string_view sql) : db_(db) {
    const int rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    if (rc != SQLITE_OK)
        fail(db_, rc);
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement::Statement(Statement &&other) noexcept : db_(other.db_), stmt_(other.stmt_) {
    other.stmt_ = nullptr;
}

void Statement::check(int rc) const {
    if (rc != SQLITE_OK)
        fail(db_, rc);
}

Statement &Statement::bind(int index, std::int64_t value) {
    check(sqlite3_bind_int64(stmt_, index, value));
    return *this;
}

Statement &Statement::bind(int index, double value) {
    check(sqlite3_bind_double(stmt_, index, value));
    return *this;
}

Statement &Statement::bind(int index, const QString &value) {
    const QByteArray utf8 = value.toUtf8();
    check(sqlite3_bind_text(stmt_, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT));
    return *this;
}

Statement &Statement::bind(int index, Null) {
    check(sqlite3_bind_null(stmt_, index));
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail(db_, rc);
}

void Statement::execute() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

QString Statement::columnName(int column) const {
    return QString::fromUtf8(sqlite3_column_name(stmt_, column));
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::int64_t Statement::columnInt64(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

double Statement::columnDouble(int column) const {
    return sqlite3_column_double(stmt_, column);
}

QString Statement::columnText(int column) const {
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, column));
    return text ? QString::fromUtf8(text, sqlite3_column_bytes(stmt_, column)) : QString();
}

int Statement::columnIndex(const QString &name) const {
    for (int i = 0; i < columnCount(); ++i)
        if (columnName(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

Connection::~Connection() {
    close();
}

void Connection::openWith(const QString &path, int flags) {
    close();
    sqlite3 *db = nullptr;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        const int systemError = db ? sqlite3_system_errno(db) : 0;
        sqlite3_close(db);
        throw DbError(rc, message, systemError);
    }
    db_ = db;
    path_ = path;
    sqlite3_busy_timeout(db_, static_cast<int>(busyTimeout.count()));
    sqlite3_extended_result_codes(db_, 1);
}

void Connection::open(const QString &path) {
    const QFileInfo file(path);
    // SQLite would quietly create a missing file; a missing database is a failure here.
    if (!file.isFile())
        throw DbError(SQLITE_CANTOPEN, "database file not found: " + path.toStdString(), ENOENT);
    // SQLite takes an empty file for a new database and would write one into it.
    if (file.size() == 0)
        throw DbError(SQLITE_NOTADB, "database file is empty: " + path.toStdString());
    // A file marked read-only is refused even for a user whom the system would let write it.
    constexpr auto anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (!(file.permissions() & anyWrite))
        throw DbError(SQLITE_READONLY, "database file is read-only: " + path.toStdString());
    openWith(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
    try {
        // A file that cannot be written or is not a database fails now rather than mid-operation.
        if (sqlite3_db_readonly(db_, "main") == 1)
            throw DbError(SQLITE_READONLY, "database file is read-only: " + path.toStdString());
        // Reading the schema first makes a file that is not a database fail here, not mid-operation.
        executeScript("SELECT count(*) FROM sqlite_master");
        executeScript(kSessionPragmas);
    } catch (const DbError &) {
        close();
        throw;
    }
}

void Connection::create(const QString &path) {
    openWith(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX);
}

void Connection::close() {
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
    path_.clear();
}

Statement Connection::prepare(std::string_view sql) {
    if (!db_)
        throw DbError(SQLITE_MISUSE, "database is not open");
    return Statement(db_, sql);
}

void Connection::executeScript(std::string_view sql) {
    if (!db_)
        throw DbError(SQLITE_MISUSE, "database is not open");
    const std::string text(sql);
    char *error = nullptr;
    const int rc = sqlite3_exec(db_, text.c_str(), nullptr, nullptr, &error);
    if (rc != SQLITE_OK) {
        const std::string message = error ? error : sqlite3_errstr(rc);
        sqlite3_free(error);
        throw DbError(rc, message, sqlite3_system_errno(db_));
    }
}

std::int64_t Connection::lastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

int Connection::changes() const {
    return sqlite3_changes(db_);
}

QStringList Connection::tableColumns(const QString &table) {
    Statement query = prepare("SELECT name FROM pragma_table_info(?)");
    query.bind(1, table);
    QStringList columns;
    while (query.step())
        columns << query.columnText(0);
    return columns;
}

Transaction::Transaction(Connection &connection)
    : connection_(connection), nested_(sqlite3_get_autocommit(connection.handle()) == 0) {
    connection_.executeScript(nested_ ? "SAVEPOINT nested" : "BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!done_) {
        try {
            connection_.executeScript(nested_ ? "ROLLBACK TO nested; RELEASE nested" : "ROLLBACK");
        } catch (const DbError &) {
            // The engine already rolled back (for example after a full disk); nothing is left to undo.
        }
    }
}

void Transaction::commit() {
    connection_.executeScript(nested_ ? "RELEASE nested" : "COMMIT");
    done_ = true;
}

} // namespace platform::db
