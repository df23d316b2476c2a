#include "transfer/SessionStatistics.h"

#include "core/Numbers.h"
#include "core/StoredSamples.h"
#include "transfer/PreferredUnits.h"

#include <algorithm>
#include <stdexcept>

namespace {

using platform::db::Connection;

QString distanceUnitOf(Connection &connection, SessionKey key) {
    auto row = connection.prepare("select distance_unit from sessions where prkey = ?");
    row.bind(1, key);
    if (!row.step())
        throw std::runtime_error("No activity has the key " + std::to_string(key) + ".");
    return row.columnText(0);
}

struct HeartRates {
    int highest = 0;
    int average = 0;
};

HeartRates heartRatesOf(Connection &connection, SessionKey key) {
    HeartRates rates;
    std::int64_t sum = 0;
    std::int64_t count = 0;
    ReadSamples(connection, key, SampleKind::HeartRate, {.hr = true}, [&](const StoredSample &sample) {
        const auto hr = static_cast<int>(Numbers::roundHalfEven(sample.hr));
        sum += hr;
        rates.highest = std::max(rates.highest, hr);
        ++count;
    });
    if (count > 0)
        rates.average =
            static_cast<int>(Numbers::roundHalfEven(static_cast<double>(sum) / static_cast<double>(count)));
    return rates;
}

struct Speeds {
    float highest = 0;
    float average = 0;
};

// The average is the last row's distance over its time, not the mean of the readings.
Speeds speedsOf(Connection &connection, SessionKey key) {
    auto rows = connection.prepare("select Speed, cum_distance, cum_duration from sessiondata "
                                   "where session_prkey = ? and data_type <> 0 order by cum_duration");
    rows.bind(1, key);
    Speeds speeds;
    double lastDistance = 0;
    double lastDuration = 0;
    while (rows.step()) {
        speeds.highest = std::max(speeds.highest, Numbers::toSingle(rows.columnDouble(0)));
        lastDistance = rows.columnDouble(1);
        lastDuration = rows.columnDouble(2);
    }
    if (lastDuration > 0)
        speeds.average = Numbers::toSingle(lastDistance / lastDuration * 3600);
    return speeds;
}

} // namespace

// Speeds take the distance factors (nautical miles too, unlike a stored session's speeds): miles
// per hour become the unit per hour.
void RecomputeSessionStats(Connection &connection, SessionKey key) {
    const QString unit = distanceUnitOf(connection, key);
    const HeartRates rates = heartRatesOf(connection, key);
    const Speeds speeds = speedsOf(connection, key);
    connection
        .prepare("update sessions set max_HR = ?, avg_HR = ?, max_speed = ?, avg_speed = ? where prkey = ?")
        .bindAll(rates.highest, rates.average, double{DistanceInUnit(speeds.highest, unit)},
                 double{DistanceInUnit(speeds.average, unit)}, key)
        .execute();
}
