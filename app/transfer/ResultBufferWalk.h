#pragma once

#include "core/DeviceSessionRecord.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Buffer 1 holds heart-rate sample sessions, buffer 2 speed and GPS record sessions; an entry
// of buffer 2 carries its record mode byte after the length.
enum class ResultBuffer { HeartRate, SpeedGps };

struct ResultBufferCut {
    std::vector<DeviceSessionRecord> records; // every entry read whole, in buffer order
    bool corrupted = false;                   // an entry's length did not fit the buffer
    QString corruptedStart; // the bad entry's start as the user reads it, when it could be read
};

// Cuts a result buffer into one record per entry. An entry whose length is too short to hold
// its dates and one data byte, or runs past the end of the buffer, ends the walk.
ResultBufferCut cutResultBuffer(std::span<const std::uint8_t> bytes, ResultBuffer buffer);

// The transfer's step: cuts the first gDeviceBuf1Len (gDeviceBuf2Len) bytes of the device
// buffer into gHrSessionRecs (gGpsSessionRecs), replacing what they held, and its count, and
// reports a corrupted buffer. For a corrupted buffer it returns the start of the entry that
// could not be read (empty when even that was unreadable).
std::optional<QString> CutDeviceBuffer(ResultBuffer buffer);
