#pragma once

#include "core/Globals.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// The activities that the upload window offers for a range of days.
namespace UploadActivities {

struct Activity {
    SessionKey key = 0;
    QDateTime start;
    std::optional<int> type;
    double duration = 0; // seconds
    std::optional<QString> description;
};

// The activities from the first to the last day, in start order; only the first day's when the
// last day is not after it. Throws platform::db::DbError.
std::vector<Activity> Between(const QDate &firstDay, const QDate &lastDay);

} // namespace UploadActivities
