#pragma once

#include "core/SessionKey.h"

#include <QDate>
#include <QTime>

#include <cstdint>
#include <vector>

// The working state of one transfer from the recorder, and of the merge and splice of stored
// activities.

// One session stored by the running transfer.
struct DownloadListEntry {
    QDate StartDate;
    QTime StartTime;
    QDate EndDate;
    QTime EndTime;
    std::int64_t SessionKey = 0;
    std::int16_t SessionType = 0;
};

// How many of the decoded heart-rate and speed-and-GPS sessions the transfer stored: gDownloadList
// lists the heart-rate ones first.
inline std::int32_t gHrSessionsStored = 0;
inline std::int32_t gGpsSessionsStored = 0;
inline std::vector<DownloadListEntry> gDownloadList;
inline std::int16_t gFileAccessCount = 0;

inline SessionKey gMergeKey1 = 0;
inline SessionKey gMergeKey2 = 0;
inline bool gMergeUnitsDiffer = false;
inline SessionKey gSpliceKey1 = 0;
inline SessionKey gSpliceKey2 = 0;
