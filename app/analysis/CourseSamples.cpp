#include "analysis/CourseSamples.h"

#include "core/StoredSamples.h"

namespace analysis {
namespace {

constexpr SampleColumns kCourseColumns{.seconds = true,
                                       .dataType = true,
                                       .distance = true,
                                       .altitude = true,
                                       .latitude = true,
                                       .longitude = true,
                                       .acqStatus = true};

} // namespace

std::vector<CourseSample> ReadCourseSamples(SessionKey key) {
    std::vector<CourseSample> samples;
    ReadSamples(gConn, key, SampleKind::Speed, kCourseColumns, [&](const StoredSample &stored) {
        samples.push_back({.time = stored.seconds,
                           .distance = stored.distance,
                           .altitude = stored.altitude,
                           .latitude = stored.latitude,
                           .longitude = stored.longitude,
                           .dataType = stored.dataType,
                           .fixStatus = stored.acqStatus});
    });
    return samples;
}

bool StartsWithPosition(SessionKey key) {
    return FirstSampleDataType(key, SampleKind::Speed) == 2;
}

std::vector<HeartRateSample> ReadHeartRateSamples(SessionKey key) {
    std::vector<HeartRateSample> samples;
    ReadSamples(gConn, key, SampleKind::HeartRate, {.seconds = true, .hr = true},
                [&](const StoredSample &stored) {
                    samples.push_back({stored.seconds, stored.hr});
                });
    return samples;
}

} // namespace analysis
