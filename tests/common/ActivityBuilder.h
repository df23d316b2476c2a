#pragma once

#include "platform/Database.h"

#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace testing {

// One row of an activity's samples; what a test leaves out stays NULL.
struct SampleRow {
    std::optional<double> time = std::nullopt; // seconds from the start
    int type = 0;                              // 0 heart rate, 1 speed, 2 GPS
    std::optional<double> hr = std::nullopt;
    std::optional<double> speed = std::nullopt;    // miles per hour
    std::optional<double> distance = std::nullopt; // miles from the start
    std::optional<double> altitude = std::nullopt; // feet
    std::optional<double> latitude = std::nullopt;
    std::optional<double> longitude = std::nullopt;
    std::optional<double> acqStatus = std::nullopt;
    std::optional<double> trueHeading = std::nullopt;
    std::optional<double> magHeading = std::nullopt;
};

// An activity stored as the program's stores write one: its row in sessions, then its samples
// in sessiondata. A column the test does not give keeps the schema's default; one given an
// empty value is NULL.
class ActivityBuilder {
public:
    using Number = std::optional<double>;
    using Text = std::optional<QString>;

    ActivityBuilder &key(std::int64_t key) { return set("prkey", key); }
    // "yyyy-MM-dd hh:mm:ss"; its date is the activity's day.
    ActivityBuilder &start(const QString &dateTime) {
        return set("Session_datetime", dateTime).set("session_date", dateTime.left(10));
    }
    ActivityBuilder &type(Number type) { return set("session_type", type); }
    ActivityBuilder &sport(Number sport) { return set("Sport", sport); }
    ActivityBuilder &duration(Number seconds) { return set("Duration", seconds); }
    ActivityBuilder &distance(Number distance) { return set("Distance", distance); }
    ActivityBuilder &unit(const Text &unit) { return set("distance_unit", unit); }
    ActivityBuilder &heartRates(Number highest, Number average) {
        return set("max_HR", highest).set("avg_HR", average);
    }
    ActivityBuilder &speeds(Number highest, Number average) {
        return set("max_speed", highest).set("avg_speed", average);
    }
    ActivityBuilder &speedUnits(Number highest, Number average) {
        return set("max_Speed_Units", highest).set("avg_Speed_Units", average);
    }
    ActivityBuilder &paceUnits(Number best, Number average) {
        return set("max_pace_units", best).set("avg_pace_units", average);
    }
    ActivityBuilder &zone(int zone, Number seconds); // zones 1 to 5
    ActivityBuilder &zones(const std::array<Number, 5> &seconds);
    ActivityBuilder &graphs(Number left, Number right) { return set("Graph1", left).set("Graph2", right); }
    ActivityBuilder &description(const Text &text) { return set("Description", text); }
    ActivityBuilder &fromRecorder(bool fromRecorder) {
        return set("fromDataRecorder", std::int64_t{fromRecorder ? 1 : 0});
    }
    ActivityBuilder &samples(std::vector<SampleRow> samples) {
        samples_ = std::move(samples);
        return *this;
    }

    // Stores the activity and gives its key.
    std::int64_t store(platform::db::Connection &connection) const;

private:
    using Value = std::variant<platform::db::Null, std::int64_t, double, QString>;
    template <typename T> ActivityBuilder &set(const char *column, const std::optional<T> &value) {
        return value ? set(column, Value(*value)) : set(column, Value(platform::db::Null{}));
    }
    ActivityBuilder &set(const char *column, Value value);

    std::vector<std::pair<const char *, Value>> columns_;
    std::vector<SampleRow> samples_;
};

// Stores samples of a stored activity after the ones it has.
void storeSamples(platform::db::Connection &connection, std::int64_t key,
                  const std::vector<SampleRow> &samples);

} // namespace testing
