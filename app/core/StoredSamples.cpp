#include "core/StoredSamples.h"

#include <string>

namespace {

std::string kindCondition(std::optional<SampleKind> kind) {
    if (!kind)
        return {};
    return *kind == SampleKind::HeartRate ? " and data_type = 0" : " and data_type <> 0";
}

bool hasSampleWhere(SessionKey key, const std::string &condition) {
    auto sample = gConn.prepare("select 1 from sessiondata where session_prkey = ?" + condition + " limit 1");
    sample.bind(1, key);
    return sample.step();
}

} // namespace

bool HasSamples(SessionKey key, std::optional<SampleKind> kind) {
    return hasSampleWhere(key, kindCondition(kind));
}

bool HasGpsSamples(SessionKey key) {
    return hasSampleWhere(key, " and data_type = 2");
}

std::optional<int> FirstSampleDataType(SessionKey key, std::optional<SampleKind> kind) {
    auto sample = gConn.prepare("select data_type from sessiondata where session_prkey = ?" +
                                kindCondition(kind) + " order by cum_duration, prkey limit 1");
    sample.bind(1, key);
    if (!sample.step() || sample.isNull(0))
        return std::nullopt;
    return static_cast<int>(sample.columnInt64(0));
}
