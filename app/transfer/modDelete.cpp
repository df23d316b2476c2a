#include "transfer/modMerge.h"

#include "platform/Database.h"

namespace modMerge {

void DeleteSession(SessionKey key) {
    platform::db::Transaction transaction(gConn);
    gConn.prepare("delete from sessions where prkey = ?").bind(1, key).execute();
    gConn.prepare("delete from sessiondata where session_prkey = ?").bind(1, key).execute();
    transaction.commit();
}

} // namespace modMerge
