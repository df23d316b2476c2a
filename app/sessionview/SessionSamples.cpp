#include "sessionview/SessionSamples.h"

namespace sessionview {

std::vector<SessionSample> ReadSessionSamples(SessionKey key) {
    auto rows =
        gConn.prepare("select cum_duration, data_type, Hr, Speed, cum_distance, Altitude, Lat is not null "
                      "from sessiondata where session_prkey = ? order by cum_duration, prkey");
    rows.bind(1, key);
    std::vector<SessionSample> samples;
    while (rows.step()) {
        SessionSample sample;
        sample.seconds = rows.columnDouble(0);
        sample.dataType = static_cast<int>(rows.columnInt64(1));
        sample.hr = rows.columnDouble(2);
        sample.speed = rows.columnDouble(3);
        sample.distance = rows.columnDouble(4);
        if (!rows.isNull(5))
            sample.altitude = rows.columnDouble(5);
        sample.hasPosition = rows.columnInt64(6) != 0;
        samples.push_back(sample);
    }
    return samples;
}

} // namespace sessionview
