#include "transfer/GpsSessionStore.h"

#include "core/Numbers.h"
#include "core/modHelpersSamples.h"
#include "core/modLocalisation.h"
#include "platform/BatchInsert.h"
#include "platform/Dialogs.h"
#include "platform/FailureCauses.h"
#include "transfer/CorruptedDataReport.h"
#include "transfer/GpsTrackDecoding.h"
#include "transfer/PreferredUnits.h"
#include "transfer/SessionDates.h"

#include <algorithm>
#include <optional>

namespace {

using platform::db::Connection;
using platform::db::Null;

constexpr std::int16_t kCombinedSessionType = 20;

struct Totals {
    float distance = 0;
    float maxSpeed = 0;
    float avgSpeed = 0;
};

Totals totalsIn(const std::vector<SamplePoint> &points, const QString &unit) {
    float fastest = 0;
    for (const SamplePoint &point : points)
        fastest = std::max(fastest, point.speed);
    return {DistanceInUnit(points.back().cumDistance, unit), SpeedInUnit(fastest, unit),
            SpeedInUnit(Numbers::toSingle(modHelpers::AverageSampleValue(points, 0, "speed")), unit)};
}

void insertPoints(Connection &connection, SessionKey key, const std::vector<SamplePoint> &points, int kind) {
    const auto textValue = [](const QString &text) { return text.isEmpty() ? 0.0 : text.toDouble(); };
    platform::db::BatchInsert rows(connection, "sessiondata",
                                   {"session_prkey", "cum_duration", "Speed", "cum_distance", "data_type",
                                    "Altitude", "Lat", "Long", "TrueHeading", "MagHeading", "ACQStatus"});
    for (const SamplePoint &point : points) {
        const double speed = Numbers::roundHalfEven(point.speed, 2);
        const double distance = Numbers::roundHalfEven(point.cumDistance, 3);
        const int status = point.statusText.toInt();
        if (kind == 2)
            rows.add(key, point.seconds, speed, distance, kind, int{point.altitude}, textValue(point.latText),
                     textValue(point.longText), double{point.trueHeading}, double{point.magHeading}, status);
        else
            rows.add(key, point.seconds, speed, distance, kind, Null{}, Null{}, Null{}, Null{}, Null{},
                     status);
    }
    rows.flush();
}

SessionKey insertActivity(Connection &connection, const QDateTime &start, double duration, std::uint8_t mode,
                          const Totals &totals) {
    const int unitCode = SpeedUnitCode(gPrimaryUnit);
    connection
        .prepare("insert into sessions (Session_datetime, session_date, session_type, Distance, Duration, "
                 "max_speed, avg_speed, Description, Sport, distance_unit, avg_Speed_Units, max_Speed_Units, "
                 "avg_pace_units, max_pace_units) values (?, ?, ?, ?, ?, ?, ?, '', ?, ?, ?, ?, ?, ?)")
        .bindAll(start, start.date(), int{mode}, Numbers::roundHalfEven(totals.distance, 3), duration,
                 Numbers::roundHalfEven(totals.maxSpeed, 2), Numbers::roundHalfEven(totals.avgSpeed, 2),
                 gPrimarySport, gPrimaryUnit, unitCode, unitCode, unitCode, unitCode)
        .execute();
    return connection.lastInsertId();
}

void joinToActivity(Connection &connection, SessionKey key, double duration, const Totals &totals) {
    connection
        .prepare(
            "update sessions set session_type = ?, max_speed = ?, avg_speed = ?, Distance = ?, Duration = ? "
            "where prkey = ?")
        .bindAll(int{kCombinedSessionType}, Numbers::roundHalfEven(totals.maxSpeed, 2),
                 Numbers::roundHalfEven(totals.avgSpeed, 2), Numbers::roundHalfEven(totals.distance, 3),
                 duration, key)
        .execute();
}

struct StoredActivity {
    SessionKey key;
    std::int64_t type;
    QString distanceUnit;
};

std::optional<StoredActivity> activityStartingAt(Connection &connection, const QDateTime &start) {
    auto row = connection.prepare("select prkey, session_type, distance_unit from sessions where "
                                  "Session_datetime = ? order by prkey limit 1");
    row.bind(1, start);
    if (!row.step())
        return std::nullopt;
    return StoredActivity{row.columnInt64(0), row.columnInt64(1), row.columnText(2)};
}

// The number of a failure that is not the database's: 6 for an overflow.
int errorNumber(const std::exception &error) {
    return dynamic_cast<const std::overflow_error *>(&error) ? 6 : 0;
}

void reportFailure(const std::exception &error) {
    platform::dialogs::message(
        platform::failures::describe(modLocalisation::LoadResString(1575), error, errorNumber(error)),
        "Runvella", platform::dialogs::Icon::None);
}

} // namespace

StoreResult StoreGPSSession(const DeviceSessionRecord &record, Connection &connection, SessionKey &key,
                            std::int16_t &sessionType) {
    const StoreResult failed{StoreOutcome::Failed};
    const auto span = ReadSessionSpan(record);
    if (!span)
        return failed;
    const QDateTime &start = span->start;
    try {
        DecodedTrack track = DecodeGpsRecords(record);
        if (track.corrupted)
            ReportCorruptedData(shownStartText(span->texts));
        gClipBeginning = 0;
        gClipEnd = 0;
        std::vector<SamplePoint> &points = track.points;
        if (points.empty())
            return track.corrupted ? failed : StoreResult{StoreOutcome::Empty};
        CleanGpsTrack(points, gFilterSpikes == 1);
        const int kind = GpsSampleKind(record.Mode);
        if (kind == 2)
            HoldAltitudeWithoutFix(points);
        const double duration = Numbers::toSingle(start.secsTo(span->end));

        platform::db::Transaction transaction(connection);
        const auto existing = activityStartingAt(connection, start);
        StoreResult result;
        SessionKey storedKey = 0;
        std::int16_t storedType = 0;
        if (!existing) {
            const Totals totals = totalsIn(points, gPrimaryUnit);
            storedKey = insertActivity(connection, start, duration, record.Mode, totals);
            storedType = record.Mode;
            result = {StoreOutcome::Stored};
        } else if (existing->type == 0) {
            // A heart-rate-only activity of the same start: its totals are kept in its own unit.
            storedKey = existing->key;
            joinToActivity(connection, storedKey, duration, totalsIn(points, existing->distanceUnit));
            storedType = kCombinedSessionType;
            result = {StoreOutcome::Joined};
        } else {
            return {StoreOutcome::AlreadyStored};
        }
        insertPoints(connection, storedKey, points, kind);
        transaction.commit();
        key = storedKey;
        sessionType = storedType;
        return result;
    } catch (const std::exception &error) {
        reportFailure(error);
        return failed;
    }
}

StoreResult StoreGPSSession(std::int32_t index, SessionKey &key, std::int16_t &sessionType) {
    return StoreGPSSession(gGpsSessionRecs.at(index), gConn, key, sessionType);
}
