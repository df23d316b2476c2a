#include "core/ActivityRows.h"

#include "platform/Database.h"

std::vector<ActivityRow> ActivityRows(const QDate &firstDay, const QDate &lastDay) {
    auto query = gConn.prepare("select prkey, Session_datetime, Duration, Description, session_type from "
                               "sessions where session_date >= ? and session_date <= ? "
                               "order by Session_datetime, prkey");
    query.bindAll(firstDay, std::max(firstDay, lastDay));
    std::vector<ActivityRow> rows;
    while (query.step()) {
        ActivityRow row;
        row.key = query.columnInt64(0);
        row.start = platform::db::parseIsoDateTime(query.columnText(1));
        row.duration = query.columnDouble(2);
        if (!query.isNull(3))
            row.description = query.columnText(3);
        row.type = static_cast<int>(query.columnInt64(4));
        rows.push_back(std::move(row));
    }
    return rows;
}
