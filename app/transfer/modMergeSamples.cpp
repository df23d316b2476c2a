#include "transfer/modMergeSamples.h"

#include "platform/BatchInsert.h"

#include <string>
#include <variant>

namespace modMerge {
namespace {

using platform::db::BatchInsert;
using platform::db::Null;

std::optional<SampleRow> edgeSample(SessionKey key, SampleKind kind, bool last) {
    std::string sql = "select cum_duration, data_type, Hr, Speed, cum_distance, Altitude, Lat, Long, "
                      "TrueHeading, MagHeading from sessiondata where session_prkey = ? and ";
    sql += SampleKindCondition(kind);
    sql += last ? " order by cum_duration desc, prkey desc limit 1" : " order by cum_duration, prkey limit 1";
    auto query = gConn.prepare(sql);
    query.bind(1, key);
    if (!query.step())
        return std::nullopt;
    SampleRow row;
    row.cumDuration = query.columnDouble(0);
    row.dataType = static_cast<int>(query.columnInt64(1));
    if (!query.isNull(2))
        row.hr = query.columnDouble(2);
    row.speed = query.columnDouble(3);
    row.cumDistance = query.columnDouble(4);
    row.position = {query.columnDouble(5), query.columnDouble(6), query.columnDouble(7),
                    query.columnDouble(8), query.columnDouble(9)};
    return row;
}

// The statement text of the copied samples' columns; values come from the bound parameters.
std::string copiedSpeedColumns(const SampleCopy &copy) {
    std::string columns = "Speed, ? + cum_distance, ";
    columns += copy.dataType ? "?" : "data_type";
    switch (copy.position) {
    case PositionCopy::AsStored:
        return columns + ", Altitude, Lat, Long, TrueHeading, MagHeading, ACQStatus";
    case PositionCopy::OfGpsRowsOnly:
        return columns +
               ", case when data_type = 2 then Altitude end, case when data_type = 2 then Lat end, "
               "case when data_type = 2 then Long end, case when data_type = 2 then TrueHeading end, "
               "case when data_type = 2 then MagHeading end, ACQStatus";
    case PositionCopy::WithoutHeadings:
        return columns + ", Altitude, Lat, Long, null, null, null";
    }
    return columns;
}

// The times of a filler series, kept in single precision as the stored series always were.
std::vector<double> stepTimes(float fromTime, float toTime, double spacing) {
    const auto step = static_cast<float>(spacing);
    std::vector<double> times;
    for (float time = fromTime + step; time <= toTime; time += step)
        times.push_back(time);
    return times;
}

} // namespace

std::optional<SampleRow> FirstSample(SessionKey key, SampleKind kind) {
    return edgeSample(key, kind, false);
}

std::optional<SampleRow> LastSample(SessionKey key, SampleKind kind) {
    return edgeSample(key, kind, true);
}

float GetLastCumDuration(SessionKey key, int rowKind) {
    const auto last = LastSample(key, rowKind == 0 ? SampleKind::HeartRate : SampleKind::Speed);
    return last ? static_cast<float>(last->cumDuration) : 0.0f;
}

void AppendHRRows(SessionKey key, float fromTime, float toTime) {
    const auto last = LastSample(key, SampleKind::HeartRate);
    InsertHeartRateFillers(key, stepTimes(fromTime, toTime, kHeartRateStep), last ? last->hr.value_or(0) : 0);
}

void AppendSessionDataRows(SessionKey key, SessionKey otherKey, float fromTime, float toTime,
                           float cumDistance, std::int16_t dataType, std::int16_t zeroSpeed) {
    double speed = 0;
    Position position;
    if (const auto last = LastSample(key, SampleKind::Speed)) {
        speed = zeroSpeed != 0 ? 0 : last->speed;
        position = last->position;
    } else if (HasSamples(key, SampleKind::HeartRate)) {
        if (const auto other = FirstSample(otherKey, SampleKind::Speed))
            position = other->position;
    }
    InsertSpeedFillers(key, stepTimes(fromTime, toTime, kSpeedStep), speed, cumDistance, dataType, position);
}

void InsertHeartRateFillers(SessionKey key, const std::vector<double> &times, double hr) {
    BatchInsert rows(gConn, "sessiondata", {"session_prkey", "cum_duration", "Hr", "data_type"});
    for (const double time : times)
        rows.add(key, time, hr, 0);
    rows.flush();
}

void InsertSpeedFillers(SessionKey key, const std::vector<double> &times, double speed, double cumDistance,
                        int dataType, const Position &position) {
    BatchInsert rows(gConn, "sessiondata",
                     {"session_prkey", "cum_duration", "Speed", "cum_distance", "data_type", "Altitude",
                      "Lat", "Long", "TrueHeading", "MagHeading", "ACQStatus"});
    for (const double time : times) {
        if (dataType == kGpsDataType)
            rows.add(key, time, speed, cumDistance, dataType, position.altitude, position.lat, position.lon,
                     position.trueHeading, position.magHeading, 0);
        else
            rows.add(key, time, speed, cumDistance, dataType, Null{}, Null{}, Null{}, Null{}, Null{}, 0);
    }
    rows.flush();
}

void CopySamples(SessionKey key, SessionKey source, const SampleCopy &copy) {
    using Value = std::variant<std::int64_t, double>;
    std::vector<Value> values{key};
    // The new time of a sample; each use of it in the statement binds its own values.
    const auto time = [&] {
        values.push_back(copy.timeOffset);
        if (!copy.spacing)
            return std::string("? + cum_duration");
        values.push_back(*copy.spacing);
        return std::string("? + ? * (row_number() over (order by cum_duration, prkey) - 1)");
    };
    const bool heartRate = copy.kind == SampleKind::HeartRate;
    std::string sql = heartRate
                          ? "insert into sessiondata (session_prkey, cum_duration, Hr, data_type) select ?, "
                          : "insert into sessiondata (session_prkey, cum_duration, Speed, cum_distance, "
                            "data_type, Altitude, Lat, Long, TrueHeading, MagHeading, ACQStatus) select ?, ";
    sql += time() + ", ";
    if (heartRate) {
        sql += "Hr, 0";
    } else {
        sql += copiedSpeedColumns(copy);
        values.push_back(copy.distanceOffset);
        if (copy.dataType)
            values.push_back(std::int64_t{*copy.dataType});
    }
    sql += " from sessiondata where session_prkey = ? and ";
    sql += SampleKindCondition(copy.kind);
    values.push_back(source);
    if (copy.from) {
        sql += " and " + time() + " >= ?";
        values.push_back(*copy.from);
    }
    sql += " order by cum_duration, prkey";

    auto statement = gConn.prepare(sql);
    for (std::size_t i = 0; i < values.size(); ++i)
        std::visit([&](auto value) { statement.bind(static_cast<int>(i) + 1, value); }, values[i]);
    statement.execute();
}

} // namespace modMerge
