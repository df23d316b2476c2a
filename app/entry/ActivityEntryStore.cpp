#include "entry/ActivityEntryStore.h"

#include "core/Numbers.h"
#include "core/modHelpersValidation.h"
#include "entry/EntryFields.h"

#include <cmath>
#include <limits>

namespace ActivityEntryStore {
namespace {

using platform::db::Statement;

std::optional<double> absolute(const QString &text) {
    const auto value = modHelpers::ReadNumericText(text);
    return value ? std::optional<double>(std::fabs(*value)) : std::nullopt;
}

std::optional<double> figure(const QString &text, bool editing) {
    const auto value = absolute(text);
    return value || !editing ? value : std::optional<double>(0);
}

std::int64_t durationPart(const QString &text) {
    const double value = Numbers::roundHalfEven(absolute(text).value_or(0));
    if (value > std::numeric_limits<std::int32_t>::max())
        throw DurationOverflow();
    return static_cast<std::int64_t>(value);
}

std::int32_t duration(const Form &form) {
    const std::int64_t seconds =
        durationPart(form.hours) * 3600 + durationPart(form.minutes) * 60 + durationPart(form.seconds);
    if (seconds > std::numeric_limits<std::int32_t>::max())
        throw DurationOverflow();
    return static_cast<std::int32_t>(seconds);
}

// A zone's seconds in single precision: fractions of an hour or a minute are kept.
std::optional<double> zoneSeconds(const QString &hours, const QString &minutes) {
    std::optional<float> seconds;
    if (const auto value = modHelpers::ReadNumericText(hours))
        seconds = std::fabs(Numbers::toSingle(*value) * 3600.0f);
    if (const auto value = modHelpers::ReadNumericText(minutes))
        seconds = std::fabs(Numbers::toSingle(*value) * 60.0f + seconds.value_or(0));
    return seconds ? std::optional<double>(*seconds) : std::nullopt;
}

std::optional<double> optionalDouble(const Statement &row, int column) {
    return row.isNull(column) ? std::nullopt : std::optional<double>(row.columnDouble(column));
}

int unitPosition(const Statement &row, int column) {
    const auto position = row.isNull(column) ? 0 : row.columnInt64(column);
    return position >= 0 && position <= 2 ? static_cast<int>(position) : 0;
}

} // namespace

Row ReadForm(const Form &form, bool editing) {
    Row row{.sport = form.sport,
            .distance = absolute(form.distance),
            .distanceUnit = form.distanceUnit,
            .description = form.description,
            .day = form.day,
            .start = QDateTime(form.day, QTime(form.start.hour(), form.start.minute(), form.start.second())),
            .duration = duration(form),
            .zones = {},
            .averageHeartRate = figure(form.averageHeartRate, editing),
            .peakHeartRate = figure(form.peakHeartRate, editing),
            .averageSpeed = figure(form.averageSpeed, editing),
            .maximumSpeed = figure(form.maximumSpeed, editing),
            .averageSpeedUnits = form.averageSpeedUnits,
            .maximumSpeedUnits = form.maximumSpeedUnits,
            .averagePaceUnits = form.averagePaceUnits,
            .bestPaceUnits = form.bestPaceUnits};
    for (std::size_t zone = 0; zone < row.zones.size(); ++zone) {
        row.zones[zone] = zoneSeconds(form.zoneHours[zone], form.zoneMinutes[zone]);
        if (editing && !row.zones[zone])
            row.zones[zone] = 0;
    }
    return row;
}

void InsertActivity(const Row &row) {
    platform::db::Transaction transaction(gConn);
    gConn
        .prepare("insert into sessions (fromDataRecorder, session_type, Sport, Distance, distance_unit, "
                 "Description, session_date, Session_datetime, Duration, time_zone1, time_zone2, time_zone3, "
                 "time_zone4, time_zone5, avg_HR, max_HR, avg_speed, max_speed, avg_Speed_Units, "
                 "max_Speed_Units, avg_pace_units, max_pace_units) "
                 "values (0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
        .bindAll(kEnteredByHand, row.sport, row.distance, row.distanceUnit, row.description, row.day,
                 row.start, row.duration, row.zones[0], row.zones[1], row.zones[2], row.zones[3],
                 row.zones[4], row.averageHeartRate, row.peakHeartRate, row.averageSpeed, row.maximumSpeed,
                 row.averageSpeedUnits, row.maximumSpeedUnits, row.averagePaceUnits, row.bestPaceUnits)
        .execute();
    transaction.commit();
}

std::optional<QDate> UpdateActivity(SessionKey key, const Row &row) {
    platform::db::Transaction transaction(gConn);
    auto stored = gConn.prepare("select session_date from sessions where prkey = ?");
    stored.bind(1, key);
    if (!stored.step())
        return std::nullopt;
    const QDate previousDay = platform::db::parseIsoDate(stored.columnText(0));
    gConn
        .prepare("update sessions set Sport = ?, Description = ?, session_date = ?, Session_datetime = ?, "
                 "avg_HR = ?, max_HR = ?, time_zone1 = ?, time_zone2 = ?, time_zone3 = ?, time_zone4 = ?, "
                 "time_zone5 = ?, max_speed = ?, avg_speed = ?, avg_Speed_Units = ?, max_Speed_Units = ?, "
                 "avg_pace_units = ?, max_pace_units = ?, Duration = ?, distance_unit = ?, "
                 "Distance = coalesce(?, Distance) where prkey = ?")
        .bindAll(row.sport, row.description, row.day, row.start, row.averageHeartRate, row.peakHeartRate,
                 row.zones[0], row.zones[1], row.zones[2], row.zones[3], row.zones[4], row.maximumSpeed,
                 row.averageSpeed, row.averageSpeedUnits, row.maximumSpeedUnits, row.averagePaceUnits,
                 row.bestPaceUnits, row.duration, row.distanceUnit, row.distance, key)
        .execute();
    transaction.commit();
    return previousDay;
}

bool MarksDay(bool editing, const QDate &savedDay, const QDate &calendarDay,
              const std::optional<QDate> &previousDay) {
    const auto sameMonth = [&savedDay](const QDate &other) {
        return other.year() == savedDay.year() && other.month() == savedDay.month();
    };
    if (editing)
        return previousDay && sameMonth(*previousDay);
    return sameMonth(calendarDay);
}

std::optional<Stored> ReadStored(SessionKey key) {
    auto row = gConn.prepare(
        "select fromDataRecorder, session_type, Sport, session_date, Session_datetime, Distance, "
        "distance_unit, "
        "Description, Duration, time_zone1, time_zone2, time_zone3, time_zone4, time_zone5, avg_HR, max_HR, "
        "avg_speed, max_speed, avg_Speed_Units, max_Speed_Units, avg_pace_units, max_pace_units "
        "from sessions where prkey = ?");
    row.bind(1, key);
    if (!row.step())
        return std::nullopt;
    Stored stored{.fromRecorder = !row.isNull(0) && row.columnInt64(0) != 0,
                  .type = static_cast<int>(row.columnInt64(1)),
                  .sport = row.isNull(2) ? std::nullopt : std::optional<std::int64_t>(row.columnInt64(2)),
                  .day = platform::db::parseIsoDate(row.columnText(3)),
                  .start = platform::db::parseIsoDateTime(row.columnText(4)),
                  .distance = optionalDouble(row, 5),
                  .distanceUnit = row.columnText(6),
                  .description = row.columnText(7),
                  .duration = optionalDouble(row, 8),
                  .zones = {},
                  .averageHeartRate = optionalDouble(row, 14),
                  .peakHeartRate = optionalDouble(row, 15),
                  .averageSpeed = optionalDouble(row, 16),
                  .maximumSpeed = optionalDouble(row, 17),
                  .averageSpeedUnits = unitPosition(row, 18),
                  .maximumSpeedUnits = unitPosition(row, 19),
                  .averagePaceUnits = unitPosition(row, 20),
                  .bestPaceUnits = unitPosition(row, 21)};
    for (int zone = 0; zone < 5; ++zone)
        stored.zones[static_cast<std::size_t>(zone)] = optionalDouble(row, 9 + zone);
    return stored;
}

ZoneCaptions ReadZoneCaptions() {
    auto zones =
        gConn.prepare("select zone1low, zone1high, zone2low, zone2high, zone3low, zone3high, zone4low, "
                      "zone4high, zone5low, zone5high from zones");
    const bool found = zones.step();
    ZoneCaptions result;
    result.notSet = !found || (zones.isNull(0) && zones.isNull(2) && zones.isNull(4));
    const auto bound = [&zones](int column) {
        return zones.isNull(column) ? QString() : EntryFields::NumberText(zones.columnDouble(column));
    };
    for (int zone = 0; zone < 5; ++zone) {
        const QString prefix = "Z" + QString::number(zone + 1) + ": ";
        result.captions[static_cast<std::size_t>(zone)] =
            result.notSet ? prefix + "0-0" : prefix + bound(2 * zone) + "-" + bound(2 * zone + 1);
    }
    return result;
}

} // namespace ActivityEntryStore
