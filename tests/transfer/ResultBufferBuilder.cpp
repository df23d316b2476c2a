#include "ResultBufferBuilder.h"

#include "transfer/ResultBufferWalk.h"

#include <cmath>
#include <stdexcept>

namespace testing {
namespace {

void appendDigits(Bytes &out, int value, int digits) {
    for (int place = digits - 1; place >= 0; --place)
        out.push_back(static_cast<std::uint8_t>(value / static_cast<int>(std::pow(10, place)) % 10));
}

void appendMoment(Bytes &out, const Moment &m) {
    appendDigits(out, m.year, 4);
    for (int part : {m.month, m.day, m.hour, m.minute, m.second})
        appendDigits(out, part, 2);
}

void appendEntry(Bytes &out, const Bytes &body) {
    const auto length = static_cast<std::uint32_t>(body.size());
    for (int shift : {24, 16, 8, 0})
        out.push_back(static_cast<std::uint8_t>(length >> shift));
    out.insert(out.end(), body.begin(), body.end());
}

void appendAngle(Bytes &out, double degrees) {
    const auto units = static_cast<std::int32_t>(std::lround(degrees * 8388608.0 / 180.0)) & 0xFFFFFF;
    for (int shift : {16, 8, 0})
        out.push_back(static_cast<std::uint8_t>(units >> shift));
}

DeviceSessionRecord onlyRecord(const Bytes &buffer, ResultBuffer kind) {
    ResultBufferCut cut = cutResultBuffer(buffer, kind);
    if (cut.corrupted || cut.records.size() != 1)
        throw std::logic_error("the builder made a bad entry");
    return cut.records.front();
}

} // namespace

ResultBufferBuilder &ResultBufferBuilder::heartRateEntry(Moment start, const Bytes &samples, Moment end) {
    Bytes body;
    appendMoment(body, start);
    body.insert(body.end(), samples.begin(), samples.end());
    appendMoment(body, end);
    appendEntry(bytes_, body);
    return *this;
}

ResultBufferBuilder &ResultBufferBuilder::speedGpsEntry(std::uint8_t mode, Moment start, const Bytes &records,
                                                        Moment end) {
    Bytes body{mode};
    appendMoment(body, start);
    body.insert(body.end(), records.begin(), records.end());
    appendMoment(body, end);
    appendEntry(bytes_, body);
    return *this;
}

ResultBufferBuilder &ResultBufferBuilder::append(const Bytes &bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

Bytes speedRecord(int speedTenths, int distanceThousandths) {
    return {0x15, 0x08, static_cast<std::uint8_t>((speedTenths >> 8) << 4 | (distanceThousandths >> 8)),
            static_cast<std::uint8_t>(speedTenths), static_cast<std::uint8_t>(distanceThousandths)};
}

Bytes gpsRecord(const GpsReading &r) {
    const int altitude = r.altitude + 2000;
    Bytes out{0xF0,
              0x00,
              static_cast<std::uint8_t>(r.status << 2),
              static_cast<std::uint8_t>((r.speedTenths >> 8) << 4 | (r.distanceThousandths >> 8)),
              static_cast<std::uint8_t>(r.speedTenths),
              static_cast<std::uint8_t>(r.distanceThousandths),
              static_cast<std::uint8_t>(altitude >> 8),
              static_cast<std::uint8_t>(altitude),
              static_cast<std::uint8_t>(r.trueHeading / 2),
              static_cast<std::uint8_t>(r.magHeading / 2)};
    appendAngle(out, r.latitude);
    appendAngle(out, r.longitude);
    out.push_back(0);
    return out;
}

Bytes timeMark() {
    return {0x45, 0x11, 0x20, 0x2A, 0x00};
}

Bytes concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes &part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

DeviceSessionRecord heartRateSession(Moment start, const Bytes &samples, Moment end) {
    return onlyRecord(ResultBufferBuilder().heartRateEntry(start, samples, end).bytes(),
                      ResultBuffer::HeartRate);
}

DeviceSessionRecord speedGpsSession(std::uint8_t mode, Moment start, const Bytes &records, Moment end) {
    return onlyRecord(ResultBufferBuilder().speedGpsEntry(mode, start, records, end).bytes(),
                      ResultBuffer::SpeedGps);
}

} // namespace testing
