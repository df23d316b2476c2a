#pragma once

#include "core/Globals.h"

#include <QDateTime>
#include <QString>

#include <optional>

// An activity as the database holds it: its row. Reads gConn and throws platform::db::DbError
// when it fails.

struct StoredActivity {
    SessionKey key = 0;
    QDateTime start;
    int type = 0;
    QString distanceUnit;
    double distance = 0; // in distanceUnit; 0 when none is stored
    double duration = 0; // seconds; 0 when none is stored
    // The positions chosen in the series lists of the activity's graph, when any were.
    std::optional<int> graph1;
    std::optional<int> graph2;
};

// Nothing when no activity has the key.
std::optional<StoredActivity> ReadActivity(SessionKey key);
