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

    ActivityBuilder &key(std::int64_t key);
    // "yyyy-MM-dd hh:mm:ss"; its date is the activity's day.
    ActivityBuilder &start(const QString &dateTime);
    ActivityBuilder &type(Number type);
    ActivityBuilder &sport(Number sport);
    ActivityBuilder &duration(Number seconds);
    ActivityBuilder &distance(Number distance);
    ActivityBuilder &unit(const std::optional<QString> &unit);
    ActivityBuilder &heartRates(Number highest, Number average);
    ActivityBuilder &speeds(Number highest, Number average);
    ActivityBuilder &speedUnits(Number highest, Number average);
    ActivityBuilder &paceUnits(Number best, Number average);
    ActivityBuilder &zone(int zone, Number seconds); // zones 1 to 5
    ActivityBuilder &zones(const std::array<Number, 5> &seconds);
    ActivityBuilder &graphs(Number left, Number right);
    ActivityBuilder &description(const std::optional<QString> &text);
    ActivityBuilder &fromRecorder(bool fromRecorder);
    ActivityBuilder &samples(std::vector<SampleRow> samples);

    // Stores the activity and gives its key.
    std::int64_t store(platform::db::Connection &connection) const;

private:
    using Value = std::variant<platform::db::Null, std::int64_t, double, QString>;
    ActivityBuilder &set(const char *column, Value value);

    std::vector<std::pair<const char *, Value>> columns_;
    std::vector<SampleRow> samples_;
};

// Stores samples of a stored activity after the ones it has.
void storeSamples(platform::db::Connection &connection, std::int64_t key,
                  const std::vector<SampleRow> &samples);

} // namespace testing
