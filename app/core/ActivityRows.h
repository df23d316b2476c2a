#pragma once

#include "core/Globals.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// An activity as the program's activity lists show it.
struct ActivityRow {
    SessionKey key = 0;
    QDateTime start;
    double duration = 0; // seconds
    std::optional<QString> description;
    int type = 0;
};

// The activities of firstDay alone when lastDay is not after it, otherwise of every day from
// firstDay to lastDay; in order of their start, then of their key. Reads gConn and throws
// platform::db::DbError when it fails.
std::vector<ActivityRow> ActivityRows(const QDate &firstDay, const QDate &lastDay);
