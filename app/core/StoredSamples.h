#pragma once

#include "core/Globals.h"

#include <functional>
#include <optional>

// The samples of a stored activity, read in time order (cum_duration, then the order they were
// stored in). The reads throw platform::db::DbError when the database fails.

// Heart-rate samples have data_type 0; speed samples any other data_type, among them the GPS
// samples (data_type 2).
enum class SampleKind { HeartRate, Speed, Gps };

// The condition on data_type that picks the samples of the kind, for statements over sessiondata.
const char *SampleKindCondition(SampleKind kind);

// Whether the activity has samples of the kind, or of any kind when none is given. Reads gConn.
bool HasSamples(SessionKey key, std::optional<SampleKind> kind = std::nullopt);

// The data_type of the activity's earliest sample of the kind, or of any kind when none is given;
// nothing when it has none or the earliest has no data_type. Reads gConn.
std::optional<int> FirstSampleDataType(SessionKey key, std::optional<SampleKind> kind = std::nullopt);

// One sample as stored: miles, miles per hour and feet. A missing number reads 0; a missing
// altitude or position is none.
struct StoredSample {
    double seconds = 0; // from the start of the activity
    int dataType = 0;
    double hr = 0;
    double speed = 0;
    double distance = 0;
    std::optional<double> altitude;
    std::optional<double> latitude;
    std::optional<double> longitude;
    int acqStatus = 0;      // the recorder's GPS acquisition status
    double trueHeading = 0; // degrees
    double magHeading = 0;  // degrees
};

// Which values of StoredSample a read fills; the others keep their defaults. An activity can
// hold hundreds of thousands of samples and every column costs, so a reader asks only for what
// it uses.
struct SampleColumns {
    bool seconds = false;
    bool dataType = false;
    bool hr = false;
    bool speed = false;
    bool distance = false;
    bool altitude = false;
    bool latitude = false;
    bool longitude = false;
    bool acqStatus = false;
    bool headings = false; // trueHeading and magHeading
};

// Hands each of the activity's samples of the kind, or of every kind when none is given, to
// `each`, with the asked-for columns (at least one) filled.
void ReadSamples(platform::db::Connection &connection, SessionKey key, std::optional<SampleKind> kind,
                 const SampleColumns &columns, const std::function<void(const StoredSample &)> &each);
