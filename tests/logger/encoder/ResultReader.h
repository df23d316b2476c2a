#pragma once

// Reads the decoder's result buffers back into entries; nullopt when a buffer is not a clean run of
// whole entries.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace encoder {

using Digits = std::array<std::uint8_t, 14>;

struct SampleEntry {
    Digits start;
    std::vector<std::uint8_t> samples;
    Digits end;
};

struct RecordEntry {
    std::uint8_t recordMode;
    Digits start;
    std::vector<std::uint8_t> records;
    Digits end;
};

std::optional<std::vector<SampleEntry>> readSampleEntries(std::span<const std::uint8_t> buffer);
std::optional<std::vector<RecordEntry>> readRecordEntries(std::span<const std::uint8_t> buffer);

// Splits a run of records at their kind bytes (every kind must be known).
std::vector<std::vector<std::uint8_t>> splitRecords(std::span<const std::uint8_t> records);

} // namespace encoder
