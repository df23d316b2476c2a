#include "transfer/WriteTransaction.h"

#include <sqlite3.h>

WriteTransaction::WriteTransaction(platform::db::Connection &connection) {
    if (sqlite3_get_autocommit(connection.handle()) != 0)
        own_.emplace(connection);
}

void WriteTransaction::commit() {
    if (own_)
        own_->commit();
}
