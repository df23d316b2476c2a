#include "analysis/CourseSamples.h"

#include "core/StoredSamples.h"

namespace analysis {
namespace {

std::optional<double> optionalDouble(const platform::db::Statement &query, int column) {
    if (query.isNull(column))
        return std::nullopt;
    return query.columnDouble(column);
}

} // namespace

std::vector<CourseSample> ReadCourseSamples(SessionKey key) {
    auto query = gConn.prepare("select cum_duration, cum_distance, Altitude, Lat, Long, data_type, ACQStatus "
                               "from sessiondata where session_prkey = ? and data_type <> 0 "
                               "order by cum_duration, prkey");
    query.bind(1, key);
    std::vector<CourseSample> samples;
    while (query.step()) {
        CourseSample sample;
        sample.time = query.columnDouble(0);
        sample.distance = query.columnDouble(1);
        sample.altitude = optionalDouble(query, 2);
        sample.latitude = optionalDouble(query, 3);
        sample.longitude = optionalDouble(query, 4);
        sample.dataType = static_cast<int>(query.columnInt64(5));
        sample.fixStatus = static_cast<int>(query.columnInt64(6));
        samples.push_back(std::move(sample));
    }
    return samples;
}

bool StartsWithPosition(SessionKey key) {
    return FirstSampleDataType(key, SampleKind::Speed) == 2;
}

std::vector<HeartRateSample> ReadHeartRateSamples(SessionKey key) {
    auto query =
        gConn.prepare("select cum_duration, Hr from sessiondata where session_prkey = ? and data_type = 0 "
                      "order by cum_duration, prkey");
    query.bind(1, key);
    std::vector<HeartRateSample> samples;
    while (query.step())
        samples.push_back({query.columnDouble(0), query.columnDouble(1)});
    return samples;
}

} // namespace analysis
