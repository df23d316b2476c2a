#include "logger.h"

#include "memory/MemoryAccess.h"

using namespace logger;

namespace {

MemoryArea areaOf(std::uint32_t mode) {
    return mode != 0 ? MemoryArea::Configuration : MemoryArea::Main;
}

bool argumentsGiven(const uint32_t *mode, const uint32_t *address, const uint32_t *count, const void *data) {
    return mode && address && count && (data || *count == 0);
}

} // namespace

extern "C" LOGGER_API int32_t ReadData(const uint32_t *mode, const uint32_t *address, const uint32_t *count,
                                       uint8_t *data) {
    if (!argumentsGiven(mode, address, count, data))
        return int32_t(DeviceError::BuffersTooSmall);
    return int32_t(readDeviceMemory(areaOf(*mode), *address, std::span(data, *count)));
}

extern "C" LOGGER_API int32_t WriteData(const uint32_t *mode, const uint32_t *address, const uint32_t *count,
                                        const uint8_t *data) {
    if (!argumentsGiven(mode, address, count, data))
        return int32_t(DeviceError::BuffersTooSmall);
    return int32_t(writeDeviceMemory(areaOf(*mode), *address, std::span(data, *count)));
}
