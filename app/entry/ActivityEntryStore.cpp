#include "entry/ActivityEntryStore.h"

#include "core/Numbers.h"
#include "core/modHelpersValidation.h"
#include "entry/EntryFields.h"
#include "platform/WallClock.h"

#include <QStringList>

#include <cmath>
#include <functional>
#include <limits>
#include <vector>

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

constexpr std::array<Field, 5> kZoneFields{Field::Zone1, Field::Zone2, Field::Zone3, Field::Zone4,
                                           Field::Zone5};

// The "column = ?" list of an update and the values it binds.
class Assignments {
public:
    template <typename T> void add(bool written, const char *column, const T &value) {
        if (!written)
            return;
        columns_ << QString(column) + " = ?";
        binders_.push_back([value](Statement &statement, int index) { statement.bind(index, value); });
    }

    void execute(SessionKey key) const {
        if (columns_.isEmpty())
            return;
        auto update =
            gConn.prepare(("update sessions set " + columns_.join(", ") + " where prkey = ?").toStdString());
        int index = 1;
        for (const auto &bind : binders_)
            bind(update, index++);
        update.bind(index, key);
        update.execute();
    }

private:
    QStringList columns_;
    std::vector<std::function<void(Statement &, int)>> binders_;
};

std::optional<double> optionalDouble(const Statement &row, int column) {
    return row.isNull(column) ? std::nullopt : std::optional<double>(row.columnDouble(column));
}

int unitPosition(const Statement &row, int column) {
    const auto position = row.isNull(column) ? 0 : row.columnInt64(column);
    return position >= 0 && position <= 2 ? static_cast<int>(position) : 0;
}

} // namespace

Fields AllFields() {
    Fields all;
    for (int field = 0; field <= static_cast<int>(Field::BestPaceUnits); ++field)
        all.insert(static_cast<Field>(field));
    return all;
}

Fields ChangedFields(const Form &shown, const Form &now) {
    const auto differs = [](const QString &before, const QString &after) {
        return before.trimmed() != after.trimmed();
    };
    Fields changed;
    const auto mark = [&changed](bool differ, Field field) {
        if (differ)
            changed.insert(field);
    };
    mark(shown.sport != now.sport, Field::Sport);
    mark(differs(shown.distance, now.distance), Field::Distance);
    mark(shown.distanceUnit != now.distanceUnit, Field::DistanceUnit);
    mark(shown.description != now.description, Field::Description);
    mark(shown.day != now.day, Field::Day);
    mark(shown.start != now.start, Field::Start);
    mark(differs(shown.hours, now.hours) || differs(shown.minutes, now.minutes) ||
             differs(shown.seconds, now.seconds),
         Field::Duration);
    for (std::size_t zone = 0; zone < kZoneFields.size(); ++zone)
        mark(differs(shown.zoneHours[zone], now.zoneHours[zone]) ||
                 differs(shown.zoneMinutes[zone], now.zoneMinutes[zone]),
             kZoneFields[zone]);
    mark(differs(shown.averageHeartRate, now.averageHeartRate), Field::AverageHeartRate);
    mark(differs(shown.peakHeartRate, now.peakHeartRate), Field::PeakHeartRate);
    mark(differs(shown.averageSpeed, now.averageSpeed), Field::AverageSpeed);
    mark(differs(shown.maximumSpeed, now.maximumSpeed), Field::MaximumSpeed);
    mark(shown.averageSpeedUnits != now.averageSpeedUnits, Field::AverageSpeedUnits);
    mark(shown.maximumSpeedUnits != now.maximumSpeedUnits, Field::MaximumSpeedUnits);
    mark(shown.averagePaceUnits != now.averagePaceUnits, Field::AveragePaceUnits);
    mark(shown.bestPaceUnits != now.bestPaceUnits, Field::BestPaceUnits);
    return changed;
}

Row ReadForm(const Form &form, bool editing, const Fields &fields) {
    Row row{.sport = form.sport,
            .distance = absolute(form.distance),
            .distanceUnit = form.distanceUnit,
            .description = form.description,
            .day = form.day,
            .start = platform::clock::atWallClock(
                form.day, QTime(form.start.hour(), form.start.minute(), form.start.second())),
            .duration = fields.contains(Field::Duration) ? duration(form) : 0,
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

std::optional<QDate> UpdateActivity(SessionKey key, const Row &row, const Fields &fields) {
    platform::db::Transaction transaction(gConn);
    auto stored = gConn.prepare("select session_date from sessions where prkey = ?");
    stored.bind(1, key);
    if (!stored.step())
        return std::nullopt;
    const QDate previousDay = platform::db::parseIsoDate(stored.columnText(0));
    const auto writes = [&fields](Field field) { return fields.contains(field); };
    Assignments set;
    set.add(writes(Field::Sport), "Sport", row.sport);
    set.add(writes(Field::Description), "Description", row.description);
    set.add(writes(Field::Day), "session_date", row.day);
    set.add(writes(Field::Day) || writes(Field::Start), "Session_datetime", row.start);
    set.add(writes(Field::AverageHeartRate), "avg_HR", row.averageHeartRate);
    set.add(writes(Field::PeakHeartRate), "max_HR", row.peakHeartRate);
    static constexpr const char *kZoneColumns[] = {"time_zone1", "time_zone2", "time_zone3", "time_zone4",
                                                   "time_zone5"};
    for (std::size_t zone = 0; zone < kZoneFields.size(); ++zone)
        set.add(writes(kZoneFields[zone]), kZoneColumns[zone], row.zones[zone]);
    set.add(writes(Field::MaximumSpeed), "max_speed", row.maximumSpeed);
    set.add(writes(Field::AverageSpeed), "avg_speed", row.averageSpeed);
    set.add(writes(Field::AverageSpeedUnits), "avg_Speed_Units", row.averageSpeedUnits);
    set.add(writes(Field::MaximumSpeedUnits), "max_Speed_Units", row.maximumSpeedUnits);
    set.add(writes(Field::AveragePaceUnits), "avg_pace_units", row.averagePaceUnits);
    set.add(writes(Field::BestPaceUnits), "max_pace_units", row.bestPaceUnits);
    set.add(writes(Field::Duration), "Duration", row.duration);
    set.add(writes(Field::DistanceUnit), "distance_unit", row.distanceUnit);
    // An empty distance box keeps the stored distance.
    set.add(writes(Field::Distance) && row.distance, "Distance", row.distance);
    set.execute(key);
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
