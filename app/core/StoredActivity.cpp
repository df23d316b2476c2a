#include "core/StoredActivity.h"

namespace {

std::optional<int> optionalInt(const platform::db::Statement &row, int column) {
    if (row.isNull(column))
        return std::nullopt;
    return static_cast<int>(row.columnInt64(column));
}

} // namespace

std::optional<StoredActivity> ReadActivity(SessionKey key) {
    auto row =
        gConn.prepare("select Session_datetime, session_type, distance_unit, Distance, Duration, Graph1, "
                      "Graph2 from sessions where prkey = ?");
    row.bind(1, key);
    if (!row.step())
        return std::nullopt;
    return StoredActivity{key,
                          platform::db::parseIsoDateTime(row.columnText(0)),
                          static_cast<int>(row.columnInt64(1)),
                          row.columnText(2),
                          row.columnDouble(3),
                          row.columnDouble(4),
                          optionalInt(row, 5),
                          optionalInt(row, 6)};
}
