#include "common/ActivityBuilder.h"

#include "platform/BatchInsert.h"

#include <string>

namespace testing {

ActivityBuilder &ActivityBuilder::set(const char *column, Value value) {
    for (auto &[name, given] : columns_)
        if (std::string_view(name) == column) {
            given = std::move(value);
            return *this;
        }
    columns_.emplace_back(column, std::move(value));
    return *this;
}

ActivityBuilder &ActivityBuilder::zone(int zone, Number seconds) {
    static const char *const kColumns[] = {"time_zone1", "time_zone2", "time_zone3", "time_zone4",
                                           "time_zone5"};
    return set(kColumns[zone - 1], seconds);
}

ActivityBuilder &ActivityBuilder::zones(const std::array<Number, 5> &seconds) {
    for (int zone = 1; zone <= 5; ++zone)
        this->zone(zone, seconds[zone - 1]);
    return *this;
}

std::int64_t ActivityBuilder::store(platform::db::Connection &connection) const {
    std::string names;
    std::string places;
    for (const auto &column : columns_) {
        names += (names.empty() ? "" : ", ") + std::string(column.first);
        places += places.empty() ? "?" : ", ?";
    }
    auto insert =
        connection.prepare(columns_.empty() ? "insert into sessions default values"
                                            : "insert into sessions (" + names + ") values (" + places + ")");
    int index = 1;
    for (const auto &column : columns_)
        std::visit([&](const auto &value) { insert.bind(index++, value); }, column.second);
    insert.execute();
    const std::int64_t key = connection.lastInsertId();
    storeSamples(connection, key, samples_);
    return key;
}

void storeSamples(platform::db::Connection &connection, std::int64_t key,
                  const std::vector<SampleRow> &samples) {
    if (samples.empty())
        return;
    platform::db::BatchInsert rows(connection, "sessiondata",
                                   {"session_prkey", "cum_duration", "data_type", "Hr", "Speed",
                                    "cum_distance", "Altitude", "Lat", "Long", "ACQStatus", "TrueHeading",
                                    "MagHeading"});
    for (const SampleRow &sample : samples)
        rows.add(key, sample.time, sample.type, sample.hr, sample.speed, sample.distance, sample.altitude,
                 sample.latitude, sample.longitude, sample.acqStatus, sample.trueHeading, sample.magHeading);
    rows.flush();
}

} // namespace testing
