#include "common/ActivityBuilder.h"

#include "platform/BatchInsert.h"

#include <string>

namespace testing {
namespace {

using Value = std::variant<platform::db::Null, std::int64_t, double, QString>;

Value number(const std::optional<double> &value) {
    return value ? Value(*value) : Value(platform::db::Null{});
}

Value text(const std::optional<QString> &value) {
    return value ? Value(*value) : Value(platform::db::Null{});
}

} // namespace

ActivityBuilder &ActivityBuilder::set(const char *column, Value value) {
    for (auto &[name, given] : columns_)
        if (std::string_view(name) == column) {
            given = std::move(value);
            return *this;
        }
    columns_.emplace_back(column, std::move(value));
    return *this;
}

ActivityBuilder &ActivityBuilder::key(std::int64_t key) {
    return set("prkey", key);
}

ActivityBuilder &ActivityBuilder::start(const QString &dateTime) {
    return set("Session_datetime", dateTime).set("session_date", dateTime.left(10));
}

ActivityBuilder &ActivityBuilder::type(Number type) {
    return set("session_type", number(type));
}

ActivityBuilder &ActivityBuilder::sport(Number sport) {
    return set("Sport", number(sport));
}

ActivityBuilder &ActivityBuilder::duration(Number seconds) {
    return set("Duration", number(seconds));
}

ActivityBuilder &ActivityBuilder::distance(Number distance) {
    return set("Distance", number(distance));
}

ActivityBuilder &ActivityBuilder::unit(const std::optional<QString> &unit) {
    return set("distance_unit", text(unit));
}

ActivityBuilder &ActivityBuilder::heartRates(Number highest, Number average) {
    return set("max_HR", number(highest)).set("avg_HR", number(average));
}

ActivityBuilder &ActivityBuilder::speeds(Number highest, Number average) {
    return set("max_speed", number(highest)).set("avg_speed", number(average));
}

ActivityBuilder &ActivityBuilder::speedUnits(Number highest, Number average) {
    return set("max_Speed_Units", number(highest)).set("avg_Speed_Units", number(average));
}

ActivityBuilder &ActivityBuilder::paceUnits(Number best, Number average) {
    return set("max_pace_units", number(best)).set("avg_pace_units", number(average));
}

ActivityBuilder &ActivityBuilder::zone(int zone, Number seconds) {
    static const char *const kColumns[] = {"time_zone1", "time_zone2", "time_zone3", "time_zone4",
                                           "time_zone5"};
    return set(kColumns[zone - 1], number(seconds));
}

ActivityBuilder &ActivityBuilder::zones(const std::array<Number, 5> &seconds) {
    for (int zone = 1; zone <= 5; ++zone)
        this->zone(zone, seconds[zone - 1]);
    return *this;
}

ActivityBuilder &ActivityBuilder::graphs(Number left, Number right) {
    return set("Graph1", number(left)).set("Graph2", number(right));
}

ActivityBuilder &ActivityBuilder::description(const std::optional<QString> &text) {
    return set("Description", testing::text(text));
}

ActivityBuilder &ActivityBuilder::fromRecorder(bool fromRecorder) {
    return set("fromDataRecorder", std::int64_t{fromRecorder ? 1 : 0});
}

ActivityBuilder &ActivityBuilder::samples(std::vector<SampleRow> samples) {
    samples_ = std::move(samples);
    return *this;
}

std::int64_t ActivityBuilder::store(platform::db::Connection &connection) const {
    std::string names;
    std::string places;
    for (const auto &[name, value] : columns_) {
        names += (names.empty() ? "" : ", ") + std::string(name);
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
