#include "FakeDeviceLibrary.h"

#include <algorithm>
#include <cstring>

namespace testing {
namespace {

FakeDeviceLibrary *fake = nullptr;
std::int32_t lastError = 0;

std::int32_t answer(const char *name, std::int32_t code, std::int32_t result) {
    fake->calls.emplace_back(name);
    lastError = code;
    return result;
}

// Delivers the buffers when they fit; otherwise asks for room (code 6) like the library.
std::int32_t getDeviceData(std::uint8_t *buffer1, std::uint32_t *length1, std::uint8_t *buffer2,
                           std::uint32_t *length2) {
    fake->offeredLengths.push_back(*length1);
    fake->offeredLengths.push_back(*length2);
    if (fake->uploadCode != 0)
        return answer("GetDeviceData", fake->uploadCode, 0);
    const auto size1 = static_cast<std::uint32_t>(fake->buffer1.size());
    const auto size2 = static_cast<std::uint32_t>(fake->buffer2.size());
    const bool fits = size1 <= *length1 && size2 <= *length2;
    *length1 = size1;
    *length2 = size2;
    if (!fits)
        return answer("GetDeviceData", 6, 0);
    std::copy(fake->buffer1.begin(), fake->buffer1.end(), buffer1);
    std::copy(fake->buffer2.begin(), fake->buffer2.end(), buffer2);
    return answer("GetDeviceData", fake->deliveredCode, 1);
}

} // namespace

FakeDeviceLibrary::FakeDeviceLibrary() {
    fake = this;
    lastError = 0;
    auto &t = table_;
    t.ConnectToDevice = [] { return answer("ConnectToDevice", fake->connectCode, fake->connectCode == 0); };
    t.GetDeviceData = getDeviceData;
    t.GetRGStatus = [] { return answer("GetRGStatus", 0, fake->storageFailure); };
    t.ClearRGStatus = [] {
        fake->storageFailure = 0;
        return answer("ClearRGStatus", 0, 1);
    };
    t.IsLowBattery = [] { return answer("IsLowBattery", 0, fake->lowBattery); };
    t.SetCompression = [] { return answer("SetCompression", 0, 1); };
    t.ClearCompression = [] { return answer("ClearCompression", 0, 1); };
    t.IsCompressed = [] { return answer("IsCompressed", 0, fake->compressed); };
    t.ClearDeviceMemory = [] {
        return answer("ClearDeviceMemory", fake->clearSucceeds ? 0 : fake->clearCode, fake->clearSucceeds);
    };
    t.SyncDeviceTime = [] { return answer("SyncDeviceTime", 0, 1); };
    t.GetLastDeviceError = [] {
        fake->calls.emplace_back("GetLastDeviceError");
        return lastError;
    };
    t.SuppressInternalBoxes = [] { fake->calls.emplace_back("SuppressInternalBoxes"); };
    t.EnableInternalBoxes = [] { fake->calls.emplace_back("EnableInternalBoxes"); };
    t.ReleaseDevice = [] { return answer("ReleaseDevice", 0, 1); };
    DeviceLibrary::installForTesting(&table_, QString());
}

FakeDeviceLibrary::~FakeDeviceLibrary() {
    DeviceLibrary::restoreForTesting();
    fake = nullptr;
}

int FakeDeviceLibrary::count(const std::string &name) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), name));
}

bool FakeDeviceLibrary::calledBefore(const std::string &name, const std::string &later) const {
    const auto first = std::find(calls.begin(), calls.end(), name);
    const auto second = std::find(calls.begin(), calls.end(), later);
    return first != calls.end() && first < second;
}

} // namespace testing
