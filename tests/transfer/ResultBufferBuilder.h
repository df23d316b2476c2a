#pragma once

#include "core/DeviceSessionRecord.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

// Result buffers as the device library hands them over, built from readable descriptions:
// each entry is a big-endian length, (buffer 2 only) the record mode, the start as 14 digit
// values, the data bytes and the end as 14 digit values.
namespace testing {

using Bytes = std::vector<std::uint8_t>;

struct Moment {
    int year, month, day, hour, minute, second;
};

class ResultBufferBuilder {
public:
    ResultBufferBuilder &heartRateEntry(Moment start, const Bytes &samples, Moment end);
    ResultBufferBuilder &speedGpsEntry(std::uint8_t mode, Moment start, const Bytes &records, Moment end);
    ResultBufferBuilder &append(const Bytes &bytes);
    const Bytes &bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

// Records of a speed and GPS stream. Distances in thousandths of a mile (12 bits, wrapping),
// speeds in tenths of a mile per hour.
Bytes speedRecord(int speedTenths, int distanceThousandths);
struct GpsReading {
    int speedTenths = 0;
    int distanceThousandths = 0;
    int status = 3; // 3 is a good fix
    int altitude = 0;
    double latitude = 0;
    double longitude = 0;
    int trueHeading = 0;
    int magHeading = 0;
};
Bytes gpsRecord(const GpsReading &reading);
Bytes timeMark();
Bytes concat(std::initializer_list<Bytes> parts);

// One session record, cut from a one-entry buffer as the transfer cuts it.
DeviceSessionRecord heartRateSession(Moment start, const Bytes &samples, Moment end);
DeviceSessionRecord speedGpsSession(std::uint8_t mode, Moment start, const Bytes &records, Moment end);

} // namespace testing
