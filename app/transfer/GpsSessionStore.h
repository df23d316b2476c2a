#pragma once

#include "core/DeviceSessionRecord.h"
#include "core/Globals.h"
#include "transfer/SessionStoreResult.h"

#include <cstdint>

// Stores one speed or GPS session of the recorder in one transaction: a new activity with its
// points, or the points joined to the heart-rate-only activity of the same start (which then
// becomes type 20), or nothing when another activity has that start or the session holds no
// samples. key and sessionType
// receive the activity's key and type only when the session was stored.
StoreResult StoreGPSSession(const DeviceSessionRecord &record, platform::db::Connection &connection,
                            SessionKey &key, std::int16_t &sessionType);

// The transfer's form: the session at index of gGpsSessionRecs, stored through gConn.
StoreResult StoreGPSSession(std::int32_t index, SessionKey &key, std::int16_t &sessionType);
