#pragma once

#include "core/Globals.h"

#include <optional>

// The samples of a stored activity; where order matters they come in time order. All throw
// platform::db::DbError when the database fails.

// Heart-rate samples have data_type 0; speed and GPS samples any other data_type.
enum class SampleKind { HeartRate, Speed };

// Whether the activity has samples of the kind, or of any kind when none is given. Reads gConn.
bool HasSamples(SessionKey key, std::optional<SampleKind> kind = std::nullopt);

// Whether the activity has GPS samples (data_type 2). Reads gConn.
bool HasGpsSamples(SessionKey key);

// The data_type of the activity's earliest sample of the kind, or of any kind when none is given;
// nothing when it has none or the earliest has no data_type. Reads gConn.
std::optional<int> FirstSampleDataType(SessionKey key, std::optional<SampleKind> kind = std::nullopt);
