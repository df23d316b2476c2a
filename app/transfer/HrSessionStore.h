#pragma once

#include "core/DeviceSessionRecord.h"
#include "core/Globals.h"
#include "core/SamplePoint.h"
#include "transfer/SessionStoreResult.h"

#include <cstdint>
#include <vector>

// Stores one heart-rate session of the recorder as a new activity, in one transaction: the
// activity row with its highest and average heart rate, one row per sample (2 s apart) and the
// time in zones. Nothing is written when an activity with the same start exists. key and
// sessionType receive the new activity's key and type only when it was stored.
StoreResult StoreHRSession(const DeviceSessionRecord &record, platform::db::Connection &connection,
                           SessionKey &key, std::int16_t &sessionType);

// The transfer's form: the session at index of gHrSessionRecs, stored through gConn.
StoreResult StoreHRSession(std::int32_t index, SessionKey &key, std::int16_t &sessionType);

// Time in zones of a new activity from its samples in memory. Each sample stands for the 2 s up
// to the next one, so the last sample is not counted. A failure leaves the zone times as they
// were and is not reported.
void ComputeTimeInZonesFromSamples(platform::db::Connection &connection,
                                   const std::vector<SamplePoint> &samples, SessionKey key);
