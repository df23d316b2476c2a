#pragma once

#include "analysis/CourseStatistics.h"
#include "core/Globals.h"

#include <vector>

// The samples behind the course statistics and the track plot, read from gConn in time order.
// Both throw platform::db::DbError when the database fails.
namespace analysis {

// The activity's speed and GPS samples.
std::vector<CourseSample> ReadCourseSamples(SessionKey key);

// Whether the activity's first speed or GPS sample is a GPS sample: its statistics have positions.
bool StartsWithPosition(SessionKey key);

// The activity's heart-rate samples.
std::vector<HeartRateSample> ReadHeartRateSamples(SessionKey key);

} // namespace analysis
