#pragma once

#include "core/Globals.h"

#include <cstdint>
#include <vector>

namespace preferences {

// Activities entered by hand (99) and the speed and GPS sessions of record modes 1 and 5 have
// no heart-rate samples of their own; every other type has its time in zones recomputed.
bool RecomputesTimeInZones(int sessionType);

// The recompute of every activity's time in zones against the current zones, one activity per
// step, in key order. The activities are those stored when it starts.
class TimeInZonesRecompute {
public:
    // Throws platform::db::DbError when the activities cannot be read.
    explicit TimeInZonesRecompute(platform::db::Connection &connection);

    std::int64_t total() const { return static_cast<std::int64_t>(activities_.size()); }
    std::int64_t done() const { return done_; }
    bool finished() const { return done_ == total(); }

    // Recomputes the next activity when its type has time in zones and counts it as done; a
    // failure reaches the caller and leaves it to do.
    void step();

private:
    struct Activity {
        SessionKey key;
        int type;
    };

    platform::db::Connection &connection_;
    std::vector<Activity> activities_;
    std::int64_t done_ = 0;
};

} // namespace preferences
