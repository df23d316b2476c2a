#include "exchange/UploadActivities.h"

namespace UploadActivities {

std::vector<Activity> Between(const QDate &firstDay, const QDate &lastDay) {
    const bool oneDay = lastDay <= firstDay;
    auto query = gConn.prepare(
        oneDay ? "select prkey, Session_datetime, session_type, Duration, Description from sessions "
                 "where session_date = ? order by Session_datetime, prkey"
               : "select prkey, Session_datetime, session_type, Duration, Description from sessions "
                 "where session_date >= ? and session_date <= ? order by Session_datetime, prkey");
    if (oneDay)
        query.bindAll(firstDay);
    else
        query.bindAll(firstDay, lastDay);
    std::vector<Activity> activities;
    while (query.step()) {
        Activity activity;
        activity.key = query.columnInt64(0);
        activity.start = platform::db::parseIsoDateTime(query.columnText(1));
        if (!query.isNull(2))
            activity.type = static_cast<int>(query.columnInt64(2));
        activity.duration = query.columnDouble(3);
        if (!query.isNull(4))
            activity.description = query.columnText(4);
        activities.push_back(std::move(activity));
    }
    return activities;
}

} // namespace UploadActivities
