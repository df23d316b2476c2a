#include "sessionview/SessionSamples.h"

#include "core/StoredSamples.h"

namespace sessionview {
namespace {

constexpr SampleColumns kColumns{.seconds = true,
                                 .dataType = true,
                                 .hr = true,
                                 .speed = true,
                                 .distance = true,
                                 .altitude = true,
                                 .latitude = true};

} // namespace

std::vector<SessionSample> ReadSessionSamples(SessionKey key) {
    std::vector<SessionSample> samples;
    ReadSamples(gConn, key, std::nullopt, kColumns, [&](const StoredSample &stored) {
        samples.push_back({.seconds = stored.seconds,
                           .dataType = stored.dataType,
                           .hr = stored.hr,
                           .speed = stored.speed,
                           .distance = stored.distance,
                           .altitude = stored.altitude,
                           .hasPosition = stored.latitude.has_value()});
    });
    return samples;
}

} // namespace sessionview
