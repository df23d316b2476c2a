#pragma once

#include "decoder/DecoderTypes.h"

namespace logger {

inline constexpr int kRecordsPerTimeMark = 252; // the recorder writes a time mark every 15 minutes

// The time mark that lies `records` records after `reference` (before it when negative): 15 minutes
// per whole 252 records, its carried byte copied from the reference.
RecordBytes timeMarkAfter(const RecordBytes &reference, int records);

} // namespace logger
