#pragma once

#include <QString>

#include <cstdint>

// One point of a session's in-memory sample list, shared by the heart-rate and the speed and
// GPS stores. A new point has every number 0 and every text empty.
struct SamplePoint {
    float speed = 0;           // miles per hour
    float cumDistance = 0;     // miles from the start of the session
    std::int16_t altitude = 0; // the recorder's value less 2000
    float trueHeading = 0;     // degrees
    float magHeading = 0;      // degrees
    QString latText;           // decimal degrees; empty when the point has no position
    QString longText;          // likewise
    double seconds = 0;        // from the start of the session
    float rawDistance = 0;     // the recorder's wrapping distance reading, miles (0 to 4.095)
    std::int16_t hr = 0;       // beats per minute, filled by the heart-rate store
    QString statusText;        // GPS acquisition status "0" to "3"
    QString statusText2;
};
