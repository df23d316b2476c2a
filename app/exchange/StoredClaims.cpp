#include "exchange/StoredClaims.h"

#include "core/Globals.h"

namespace exchange {

void RecordStoredClaim(const QString &claim) {
    gConn.prepare("insert into storedClaims (claim) values (?)").bindAll(claim).execute();
}

bool IsClaimStored(const QString &claim) {
    auto row = gConn.prepare("select count(*) from storedClaims where claim = ?");
    row.bindAll(claim);
    row.step();
    return row.columnInt64(0) > 0;
}

void ForgetStoredClaim(const QString &claim) {
    gConn.prepare("delete from storedClaims where claim = ?").bindAll(claim).execute();
}

void ForgetStoredClaimsBut(const QStringList &claims) {
    QStringList gone;
    auto all = gConn.prepare("select claim from storedClaims");
    while (all.step())
        if (!claims.contains(all.columnText(0)))
            gone << all.columnText(0);
    for (const QString &claim : gone)
        ForgetStoredClaim(claim);
}

} // namespace exchange
