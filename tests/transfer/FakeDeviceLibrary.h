#pragma once

#include "core/DeviceLibrary.h"

#include <cstdint>
#include <string>
#include <vector>

namespace testing {

// A stand-in for liblogger.so, installed as the program's device table for as long as it
// lives. It answers from the fields below and records the exports called, in order.
class FakeDeviceLibrary {
public:
    FakeDeviceLibrary();
    ~FakeDeviceLibrary();

    int lowBattery = 0;
    int storageFailure = 0; // the recorder's red/green flag
    int compressed = 0;
    std::int32_t connectCode = 0;   // 5: no recorder
    std::int32_t uploadCode = 0;    // an upload failure; 0 delivers the buffers below
    std::int32_t deliveredCode = 0; // the last error after a delivery: 7 when decoding stopped after them
    std::vector<std::uint8_t> buffer1;
    std::vector<std::uint8_t> buffer2;
    bool clearSucceeds = true;
    std::int32_t clearCode = 0;

    std::vector<std::string> calls;
    int count(const std::string &name) const;
    // Calls of `name` before the first call of `later`.
    bool calledBefore(const std::string &name, const std::string &later) const;
    std::vector<std::uint32_t> offeredLengths; // the capacities offered to each GetDeviceData

private:
    DeviceLibrary::Exports table_{};
};

} // namespace testing
