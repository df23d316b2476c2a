#pragma once

#include <QString>
#include <QStringList>

// The automatic import's claimed files whose activity is stored. A claim's record is stored in the
// activity's own transaction and forgotten once the file is deleted, so that an import stopped
// between the two is finished by deleting the file alone, and a claim without a record is
// imported whatever else the database holds. Claims are known by their file names. Database
// failures throw platform::db::DbError.
namespace exchange {

// Within the transaction that stores the claim's activity.
void RecordStoredClaim(const QString &claim);

bool IsClaimStored(const QString &claim);

void ForgetStoredClaim(const QString &claim);

// Forgets every record but those of the claims given: a record whose file is gone must not match a
// later claim of the same name.
void ForgetStoredClaimsBut(const QStringList &claims);

} // namespace exchange
