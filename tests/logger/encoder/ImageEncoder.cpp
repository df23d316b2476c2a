#include "logger/encoder/ImageEncoder.h"

#include <stdexcept>

namespace encoder {

namespace {

constexpr int kDirectoryEntries = 128;

std::uint8_t byteOf(int value) {
    return static_cast<std::uint8_t>(value);
}

std::array<std::uint8_t, 6> recorderBytes(const DateTime &t) {
    return {byteOf(t.second),  byteOf(t.minute),    byteOf(t.hour),
            byteOf(t.day - 1), byteOf(t.month - 1), byteOf(t.year - 2000)};
}

// Status byte, X and Y high bits, X low, Y low.
void appendTrack(Bytes &r, int x, int y, bool valid) {
    r.push_back(valid ? 0x08 : 0x00);
    r.push_back(byteOf(((x >> 8) << 4) | ((y >> 8) & 0x0F)));
    r.push_back(byteOf(x));
    r.push_back(byteOf(y));
}

} // namespace

std::array<std::uint8_t, 14> digitsOf(const DateTime &t) {
    const auto two = [](int v) { return std::array<std::uint8_t, 2>{byteOf(v / 10), byteOf(v % 10)}; };
    std::array<std::uint8_t, 14> d{byteOf(t.year / 1000), byteOf(t.year / 100 % 10), byteOf(t.year / 10 % 10),
                                   byteOf(t.year % 10)};
    int at = 4;
    for (int v : {t.month, t.day, t.hour, t.minute, t.second}) {
        const auto pair = two(v);
        d[at++] = pair[0];
        d[at++] = pair[1];
    }
    return d;
}

Bytes gapMarker(std::uint8_t second) {
    return {0x12, second};
}

Bytes shortTrack(int x, int y, bool valid) {
    Bytes r{0x15};
    appendTrack(r, x, y, valid);
    return r;
}

Bytes shortSide(std::uint8_t a, std::uint8_t b, std::uint8_t c, std::uint8_t d) {
    return {0x25, a, b, c, d};
}

Bytes longSide(std::array<std::uint8_t, 6> carried) {
    return {0x37, carried[0], carried[1], carried[2], carried[3], carried[4], carried[5]};
}

Bytes timeMark(const DateTime &t, std::uint8_t carried) {
    return {0x45, byteOf(((t.month - 1) << 4) | ((t.year - 2000) & 0x0F)),
            byteOf((t.minute << 2) | (t.day >> 3)), byteOf(((t.day & 0x07) << 5) | t.hour), carried};
}

Bytes longTrack(int x, int y, std::uint8_t a, std::uint8_t b, bool valid) {
    Bytes r{0x59};
    appendTrack(r, x, y, valid);
    r.insert(r.end(), {a, b, 0x77, 0x88});
    return r;
}

Bytes fullTrack(int x, int y, std::uint16_t value, int minutes, bool valid) {
    Bytes r{0xF0, 0x01};
    appendTrack(r, x, y, valid);
    r.push_back(byteOf(value >> 8));
    r.push_back(byteOf(value));
    for (int i = 8; i <= 15; ++i)
        r.push_back(byteOf(0xA0 + i));
    r.push_back(byteOf((minutes << 2) | 0x01));
    return r;
}

MixedUnit sampleUnit(std::uint8_t sample, std::uint8_t selector) {
    return {selector, {sample}};
}
MixedUnit recordUnit(Bytes record, std::uint8_t selector) {
    return {selector, std::move(record)};
}

Session sampleSession(const DateTime &start, const DateTime &end, Bytes samples, std::uint8_t kindByte) {
    return {kindByte, start, end, std::move(samples)};
}

Session recordSession(const DateTime &start, const DateTime &end, const std::vector<Bytes> &records,
                      std::uint8_t kindByte) {
    Session s{kindByte, start, end, {}};
    for (const Bytes &r : records)
        s.body.insert(s.body.end(), r.begin(), r.end());
    return s;
}

Session mixedSession(const DateTime &start, const DateTime &end, const std::vector<MixedUnit> &units,
                     std::uint8_t kindByte) {
    Session s{kindByte, start, end, {}};
    for (const MixedUnit &u : units) {
        s.body.push_back(u.selector);
        s.body.insert(s.body.end(), u.bytes.begin(), u.bytes.end());
    }
    return s;
}

Bytes encodeImage(const std::vector<Session> &sessions, std::uint32_t firstAddress) {
    if (sessions.size() > kDirectoryEntries)
        throw std::invalid_argument("a directory holds at most 128 sessions");
    Bytes image(kDirectoryEntries * 3, 0);
    std::uint32_t address = firstAddress;
    int index = 0;
    for (const Session &s : sessions) {
        setDirectoryEntry(image, index++, address);
        image.push_back(s.kindByte);
        const auto start = recorderBytes(s.start);
        image.insert(image.end(), start.begin(), start.end());
        image.insert(image.end(), s.body.begin(), s.body.end());
        image.push_back(0xEE); // end byte, not examined
        const auto end = recorderBytes(s.end);
        image.insert(image.end(), end.begin(), end.end());
        address += static_cast<std::uint32_t>(14 + s.body.size());
    }
    for (; index < kDirectoryEntries; ++index)
        setDirectoryEntry(image, index, address);
    return image;
}

void setDirectoryEntry(Bytes &image, int index, std::uint32_t address) {
    for (int i = 0; i < 3; ++i)
        image.at(index * 3 + i) = byteOf(address >> (8 * i));
}

std::uint32_t directoryEntry(const Bytes &image, int index) {
    return image.at(index * 3) | (image.at(index * 3 + 1) << 8) | (image.at(index * 3 + 2) << 16);
}

} // namespace encoder
