#include "logger/encoder/ResultReader.h"

#include <algorithm>
#include <stdexcept>

namespace encoder {

namespace {

constexpr std::size_t kDigits = 14;

// Calls `take(body)` for each entry's bytes after its length; false when the run is not clean.
template <typename Take>
bool forEachEntry(std::span<const std::uint8_t> buffer, std::size_t minimum, Take take) {
    std::size_t at = 0;
    while (at < buffer.size()) {
        if (buffer.size() - at < 4)
            return false;
        const std::size_t length =
            (std::size_t{buffer[at]} << 24) | (buffer[at + 1] << 16) | (buffer[at + 2] << 8) | buffer[at + 3];
        at += 4;
        if (length < minimum || length > buffer.size() - at)
            return false;
        take(buffer.subspan(at, length));
        at += length;
    }
    return true;
}

Digits digitsAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    Digits d;
    std::copy_n(bytes.begin() + at, kDigits, d.begin());
    return d;
}

std::size_t recordLength(std::uint8_t kind) {
    switch (kind) {
    case 0x12:
        return 2;
    case 0x15:
    case 0x25:
    case 0x45:
        return 5;
    case 0x37:
        return 7;
    case 0x59:
        return 9;
    case 0xF0:
        return 17;
    default:
        return 0;
    }
}

} // namespace

std::optional<std::vector<SampleEntry>> readSampleEntries(std::span<const std::uint8_t> buffer) {
    std::vector<SampleEntry> entries;
    const bool clean = forEachEntry(buffer, 2 * kDigits, [&](std::span<const std::uint8_t> e) {
        entries.push_back(
            {digitsAt(e, 0), {e.begin() + kDigits, e.end() - kDigits}, digitsAt(e, e.size() - kDigits)});
    });
    if (!clean)
        return std::nullopt;
    return entries;
}

std::optional<std::vector<RecordEntry>> readRecordEntries(std::span<const std::uint8_t> buffer) {
    std::vector<RecordEntry> entries;
    const bool clean = forEachEntry(buffer, 1 + 2 * kDigits, [&](std::span<const std::uint8_t> e) {
        entries.push_back({e[0],
                           digitsAt(e, 1),
                           {e.begin() + 1 + kDigits, e.end() - kDigits},
                           digitsAt(e, e.size() - kDigits)});
    });
    if (!clean)
        return std::nullopt;
    return entries;
}

std::vector<std::vector<std::uint8_t>> splitRecords(std::span<const std::uint8_t> records) {
    std::vector<std::vector<std::uint8_t>> split;
    std::size_t at = 0;
    while (at < records.size()) {
        const std::size_t length = recordLength(records[at]);
        if (length == 0 || length > records.size() - at)
            throw std::runtime_error("not a run of whole records");
        split.emplace_back(records.begin() + at, records.begin() + at + length);
        at += length;
    }
    return split;
}

} // namespace encoder
