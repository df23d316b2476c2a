#pragma once

#include "platform/Database.h"

#include <optional>

// One all-or-nothing unit of work on a connection. When the caller already holds a transaction
// this one joins it, so a merge that deletes an activity stays one unit; otherwise it opens its
// own, rolled back unless commit() is reached.
class WriteTransaction {
public:
    explicit WriteTransaction(platform::db::Connection &connection);
    WriteTransaction(const WriteTransaction &) = delete;
    WriteTransaction &operator=(const WriteTransaction &) = delete;

    // Commits a transaction this object opened; a joined one is left to its owner.
    void commit();

private:
    std::optional<platform::db::Transaction> own_;
};
