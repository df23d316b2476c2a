#pragma once

#include "platform/Database.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform::db {

// Inserts many rows into one table, several rows per statement: a sample stream of hundreds
// of thousands of rows would otherwise pay the statement overhead once per row. Table and
// column names are the program's own; every value is bound.
class BatchInsert {
public:
    static constexpr int kRowsPerStatement = 64;
    using Value = std::variant<Null, std::int64_t, double, QString>;

    BatchInsert(Connection &connection, std::string_view table, const std::vector<std::string_view> &columns);

    // Adds one row; its values go to the columns in order.
    template <typename... Args> void add(const Args &...values) {
        static_assert(sizeof...(Args) > 0);
        (pending_.emplace_back(toValue(values)), ...);
        if (pending_.size() == static_cast<std::size_t>(columnCount_) * kRowsPerStatement)
            write(full_, kRowsPerStatement);
    }

    // Writes the rows still waiting. Call it before the transaction commits.
    void flush();

private:
    static Value toValue(int value) { return std::int64_t{value}; }
    static Value toValue(std::int64_t value) { return value; }
    static Value toValue(double value) { return value; }
    static Value toValue(float value) { return double{value}; }
    static Value toValue(const QString &value) { return value; }
    static Value toValue(Null value) { return value; }
    static Value toValue(const std::optional<double> &value) { return value ? Value(*value) : Value(Null{}); }

    std::string statementFor(int rows) const;
    void write(Statement &statement, int rows);

    Connection &connection_;
    std::string prefix_;
    int columnCount_;
    Statement full_;
    std::vector<Value> pending_;
};

} // namespace platform::db
