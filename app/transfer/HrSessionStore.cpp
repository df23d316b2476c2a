#include "transfer/HrSessionStore.h"

#include "core/HeartRateZones.h"
#include "core/modHelpersSamples.h"
#include "platform/BatchInsert.h"
#include "platform/Dialogs.h"
#include "transfer/PreferredUnits.h"
#include "transfer/SessionDates.h"

#include <algorithm>
#include <cmath>

namespace {

using platform::db::Connection;

constexpr double kHrSampleSeconds = 2;

bool startIsStored(Connection &connection, const QDateTime &start) {
    auto existing = connection.prepare("select 1 from sessions where Session_datetime = ? limit 1");
    existing.bind(1, start);
    return existing.step();
}

void insertSamples(Connection &connection, SessionKey key, const std::vector<SamplePoint> &samples) {
    platform::db::BatchInsert rows(connection, "sessiondata",
                                   {"session_prkey", "cum_duration", "Hr", "data_type"});
    for (const SamplePoint &sample : samples)
        rows.add(key, sample.seconds, int{sample.hr}, 0);
    rows.flush();
}

} // namespace

StoreResult StoreHRSession(const DeviceSessionRecord &record, Connection &connection, SessionKey &key,
                           std::int16_t &sessionType) {
    const auto span = ReadSessionSpan(record);
    if (!span)
        return {StoreOutcome::Failed};
    const QDateTime &start = span->start;

    std::vector<SamplePoint> samples(record.Data.size());
    int highest = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i].seconds = kHrSampleSeconds * static_cast<double>(i);
        samples[i].hr = record.Data[i];
        highest = std::max(highest, int{samples[i].hr});
    }
    // A 0 is a sample the strap did not deliver; the average leaves those out.
    const int average = static_cast<int>(std::floor(modHelpers::AverageSampleValue(samples, 0, "hr")));
    const double duration = static_cast<float>(start.secsTo(span->end));
    const int unitCode = SpeedUnitCode(gPrimaryUnit);

    try {
        platform::db::Transaction transaction(connection);
        if (startIsStored(connection, start))
            return {StoreOutcome::AlreadyStored};
        connection
            .prepare("insert into sessions (Session_datetime, session_date, session_type, Duration, max_HR, "
                     "avg_HR, "
                     "Description, distance_unit, Sport, avg_Speed_Units, max_Speed_Units, avg_pace_units, "
                     "max_pace_units) values (?, ?, ?, ?, ?, ?, '', ?, ?, ?, ?, ?, ?)")
            .bindAll(start, start.date(), int{record.Mode}, duration, highest, average, gPrimaryUnit,
                     gPrimarySport, unitCode, unitCode, unitCode, unitCode)
            .execute();
        const SessionKey storedKey = connection.lastInsertId();
        insertSamples(connection, storedKey, samples);
        ComputeTimeInZonesFromSamples(connection, samples, storedKey);
        transaction.commit();
        key = storedKey;
        sessionType = record.Mode;
        return {StoreOutcome::Stored};
    } catch (const std::exception &) {
        platform::dialogs::message("There was a problem inserting the Heart Rate data into the database",
                                   "Runvella", platform::dialogs::Icon::None);
        return {StoreOutcome::Failed};
    }
}

StoreResult StoreHRSession(std::int32_t index, SessionKey &key, std::int16_t &sessionType) {
    return StoreHRSession(gHrSessionRecs.at(index), gConn, key, sessionType);
}

void ComputeTimeInZonesFromSamples(Connection &connection, const std::vector<SamplePoint> &samples,
                                   SessionKey key) {
    try {
        std::vector<int> heartRates;
        for (std::size_t i = 0; i + 1 < samples.size(); ++i)
            heartRates.push_back(samples[i].hr);
        WriteTimeInZones(connection, key, LoadHeartRateZones(connection).count(heartRates));
    } catch (const std::exception &) {
        // The zone times stay as the row had them; the samples themselves are stored.
    }
}
