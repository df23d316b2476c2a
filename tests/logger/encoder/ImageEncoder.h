#pragma once

// Builds recorder memory images from short descriptions, for the tests, the benchmark and the
// fuzzer's seeds. Written from the image layout alone, independently of the decoder.

#include <array>
#include <cstdint>
#include <vector>

namespace encoder {

using Bytes = std::vector<std::uint8_t>;

struct DateTime {
    int year = 2008;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The 14 digit values a result entry carries for a date-time.
std::array<std::uint8_t, 14> digitsOf(const DateTime &t);

// Records, kind byte first. Track fields X and Y are 12-bit; `valid` sets the status bit.
Bytes gapMarker(std::uint8_t second = 0);
Bytes shortTrack(int x, int y, bool valid = true);
Bytes shortSide(std::uint8_t a, std::uint8_t b, std::uint8_t c = 0, std::uint8_t d = 0);
Bytes longSide(std::array<std::uint8_t, 6> carried);
Bytes timeMark(const DateTime &t, std::uint8_t carried = 0);
Bytes longTrack(int x, int y, std::uint8_t a, std::uint8_t b, bool valid = true);
Bytes fullTrack(int x, int y, std::uint16_t value, int minutes, bool valid = true);

// One unit of a mixed session's body: a selector, then a sample byte or a record.
struct MixedUnit {
    std::uint8_t selector;
    Bytes bytes;
};
MixedUnit sampleUnit(std::uint8_t sample, std::uint8_t selector = 0x10);
MixedUnit recordUnit(Bytes record, std::uint8_t selector = 0x20);

struct Session {
    std::uint8_t kindByte; // high four bits: 0 or 1 samples, 2 records, 15 both
    DateTime start;
    DateTime end;
    Bytes body;
};
Session sampleSession(const DateTime &start, const DateTime &end, Bytes samples,
                      std::uint8_t kindByte = 0x00);
Session recordSession(const DateTime &start, const DateTime &end, const std::vector<Bytes> &records,
                      std::uint8_t kindByte = 0x20);
Session mixedSession(const DateTime &start, const DateTime &end, const std::vector<MixedUnit> &units,
                     std::uint8_t kindByte = 0xF0);

// The directory (first session at `firstAddress`, unused entries equal to the end address; a
// full one of 128 sessions has no entry for the end) and the sessions back to back.
Bytes encodeImage(const std::vector<Session> &sessions, std::uint32_t firstAddress = 0x180);

void setDirectoryEntry(Bytes &image, int index, std::uint32_t address);
std::uint32_t directoryEntry(const Bytes &image, int index);

} // namespace encoder
