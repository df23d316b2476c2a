#pragma once

#include <QString>

#include <cstdint>

// One sample of an activity while it is being stored: a heart-rate sample or a speed and
// GPS point. Single precision where the stored figures were computed in it.
struct SamplePoint {
    float speed = 0;           // miles per hour
    float cumDistance = 0;     // miles from the start of the session
    std::int16_t altitude = 0; // the recorder's value less 2000
    float trueHeading = 0;     // degrees
    float magHeading = 0;      // degrees
    QString latText;           // decimal degrees; empty when the point has no position
    QString longText;          // likewise
    double seconds = 0;        // from the session start
    float rawDistance = 0;     // the recorder's wrapping distance reading, 0 to 4.095 miles
    std::int16_t hr = 0;       // beats per minute
    QString statusText;        // GPS acquisition status "0" to "3"
    QString statusText2;
};
