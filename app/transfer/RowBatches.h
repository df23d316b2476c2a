#pragma once

#include "platform/Database.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Inserts many rows of one shape with few statements: each statement carries up to
// kRowsPerStatement rows, which spares the engine most of its per-statement work when a
// session brings thousands of samples. bindRow(statement, firstParameter, item) binds one row.
inline constexpr std::size_t kRowsPerStatement = 300;

template <typename Item, typename BindRow>
void insertRows(platform::db::Connection &connection, std::string_view insertHead, std::string_view rowValues,
                int parametersPerRow, const std::vector<Item> &items, BindRow bindRow) {
    const auto statementFor = [&](std::size_t rows) {
        std::string sql(insertHead);
        for (std::size_t row = 0; row < rows; ++row)
            (sql += row == 0 ? " " : ", ") += rowValues;
        return connection.prepare(sql);
    };
    const std::size_t fullRows = std::min(items.size(), kRowsPerStatement);
    if (fullRows == 0)
        return;
    auto full = statementFor(fullRows);
    for (std::size_t at = 0; at < items.size(); at += kRowsPerStatement) {
        const std::size_t rows = std::min(kRowsPerStatement, items.size() - at);
        auto tail = rows == fullRows ? std::optional<platform::db::Statement>() : statementFor(rows);
        platform::db::Statement &insert = tail ? *tail : full;
        for (std::size_t row = 0; row < rows; ++row)
            bindRow(insert, static_cast<int>(row) * parametersPerRow + 1, items[at + row]);
        insert.execute();
        insert.reset();
    }
}
