#include "platform/FailureCauses.h"

#include "platform/Database.h"

#include <sqlite3.h>

#include <cerrno>

namespace platform::failures {
namespace {

std::map<Cause, QString> &causeTexts() {
    static std::map<Cause, QString> texts;
    return texts;
}

std::optional<Cause> causeOfSystemError(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return Cause::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return Cause::ReadOnly;
    case ENOENT:
    case ENOTDIR:
        return Cause::NotFound;
    default:
        return std::nullopt;
    }
}

} // namespace

Cause causeOf(int sqliteCode, int systemError) {
    switch (sqliteCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Cause::InUse;
    case SQLITE_FULL:
        return Cause::DiskFull;
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return Cause::ReadOnly;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return Cause::Damaged;
    case SQLITE_OK:
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
        // Only the system's error number tells a full disk from a refused or a missing file.
        return causeOfSystemError(systemError).value_or(Cause::Other);
    default:
        return Cause::Other;
    }
}

std::optional<Cause> causeOf(const std::exception &failure) {
    if (const auto *database = dynamic_cast<const db::DbError *>(&failure))
        return causeOf(database->code(), database->systemError());
    return std::nullopt;
}

void setCauseTexts(std::map<Cause, QString> texts) {
    causeTexts() = std::move(texts);
}

QString describe(const std::exception &failure) {
    const QString detail = QString::fromUtf8(failure.what());
    const auto cause = causeOf(failure);
    if (!cause)
        return detail;
    const auto sentence = causeTexts().find(*cause);
    if (sentence == causeTexts().end() || sentence->second.isEmpty())
        return detail;
    return sentence->second + "\n\n" + detail;
}

QString describe(const QString &whatFailed, const std::exception &failure, std::optional<int> otherNumber) {
    if (causeOf(failure))
        return whatFailed + '\n' + describe(failure);
    return whatFailed + ' ' + (otherNumber ? QString::number(*otherNumber) + ' ' : QString()) +
           describe(failure);
}

} // namespace platform::failures
