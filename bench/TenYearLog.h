#pragma once

#include <QDate>

#include <cstdint>

namespace platform::db {
class Connection;
}

// A training log of ten years for benchmarks of large logs: 3,650 activities, one a day, each
// 45 to 90 minutes with heart rate every 2 s; every third is a heart-rate activity joined with a
// GPS track sampled every 3.57 s. Zone times, distances in km or mi, two sports, weekly goals and
// daily body measures are filled in too, so that every graph and list has something to show.
// The same log is written on every run: figures vary with the day, not at random.
namespace bench {

struct TenYearLog {
    QDate firstDay;
    QDate lastDay;
    int activities = 0;
    std::int64_t heartRateSamples = 0;
    std::int64_t gpsSamples = 0;
};

inline constexpr int kTenYearsOfDays = 3650;

// Writes the log into the connection's (empty) database, one transaction, the last activity on
// lastDay.
TenYearLog WriteTenYearLog(platform::db::Connection &connection, QDate lastDay);

// A fresh data folder under a temporary RUNVELLA_HOME holding the log, with gConn open on it.
// Written once per process; later calls return the same log.
const TenYearLog &OpenTenYearLog(QDate lastDay);

} // namespace bench
