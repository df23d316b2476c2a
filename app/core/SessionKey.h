#pragma once

#include <cstdint>

// The key of an activity: its row in the sessions table.
using SessionKey = std::int64_t;
