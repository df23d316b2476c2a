#include "platform/BatchInsert.h"

#include <stdexcept>

namespace platform::db {

namespace {

std::string insertPrefix(std::string_view table, const std::vector<std::string_view> &columns) {
    std::string text = "insert into " + std::string(table) + " (";
    for (std::size_t i = 0; i < columns.size(); ++i)
        text += (i ? ", " : "") + std::string(columns[i]);
    return text + ") values ";
}

} // namespace

BatchInsert::BatchInsert(Connection &connection, std::string_view table,
                         const std::vector<std::string_view> &columns)
    : connection_(connection), prefix_(insertPrefix(table, columns)),
      columnCount_(static_cast<int>(columns.size())),
      full_(connection.prepare(statementFor(kRowsPerStatement))) {
    pending_.reserve(static_cast<std::size_t>(columnCount_) * kRowsPerStatement);
}

std::string BatchInsert::statementFor(int rows) const {
    std::string row = "(";
    for (int i = 0; i < columnCount_; ++i)
        row += i ? ", ?" : "?";
    row += ")";
    std::string text = prefix_;
    for (int r = 0; r < rows; ++r)
        text += (r ? ", " : "") + row;
    return text;
}

void BatchInsert::write(Statement &statement, int rows) {
    const std::size_t count = static_cast<std::size_t>(rows) * columnCount_;
    for (std::size_t i = 0; i < count; ++i)
        std::visit([&](const auto &value) { statement.bind(static_cast<int>(i) + 1, value); }, pending_[i]);
    pending_.clear();
    statement.execute();
    statement.reset();
}

void BatchInsert::flush() {
    if (pending_.empty())
        return;
    const int rows = static_cast<int>(pending_.size()) / columnCount_;
    if (rows * columnCount_ != static_cast<int>(pending_.size()))
        throw std::logic_error("a batch row has the wrong number of values");
    Statement rest = connection_.prepare(statementFor(rows));
    write(rest, rows);
}

} // namespace platform::db
