#include "core/DeviceLibrary.h"
#include "platform/FileVersion.h"
#include "platform/Paths.h"

#include <QFile>

#include <dlfcn.h>

namespace DeviceLibrary {
namespace {

constexpr const char *kLibraryName = "liblogger.so";

struct TestStandIn {
    const Exports *table = nullptr;
    QString file;
};
std::optional<TestStandIn> testStandIn;

template <typename Function> bool resolve(void *handle, const char *name, Function &target) {
    target = reinterpret_cast<Function>(dlsym(handle, name));
    return target != nullptr;
}

} // namespace

std::optional<Exports> load(const QString &path) {
    void *handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return std::nullopt;
    Exports table{};
#define RESOLVE(name) resolve(handle, #name, table.name)
    const bool complete =
        RESOLVE(ConnectToDevice) && RESOLVE(GetDeviceData) && RESOLVE(GetRawData) && RESOLVE(GetEEPROMData) &&
        RESOLVE(GetRGStatus) && RESOLVE(SetRGStatus) && RESOLVE(ClearRGStatus) && RESOLVE(IsLowBattery) &&
        RESOLVE(SetCompression) && RESOLVE(ClearCompression) && RESOLVE(IsCompressed) &&
        RESOLVE(GetDeviceVersion) && RESOLVE(GetDeviceDataSize) && RESOLVE(ClearDeviceMemory) &&
        RESOLVE(SyncDeviceTime) && RESOLVE(SetDeviceTime) && RESOLVE(ReadDeviceBondOption) &&
        RESOLVE(ChangeDeviceBondOption) && RESOLVE(GetPacketErrorCount) && RESOLVE(GetLastDeviceError) &&
        RESOLVE(TerminateDeviceComm) && RESOLVE(SuppressInternalBoxes) && RESOLVE(EnableInternalBoxes) &&
        RESOLVE(ReleaseDevice);
#undef RESOLVE
    if (!complete) {
        dlclose(handle);
        return std::nullopt;
    }
    // The library stays loaded for the rest of the process: the table points into it.
    return table;
}

const Exports *exports() {
    if (testStandIn)
        return testStandIn->table;
    static const std::optional<Exports> loaded = [] {
        if (auto beside = load(filePath()))
            return beside;
        return load(kLibraryName);
    }();
    return loaded ? &*loaded : nullptr;
}

QString filePath() {
    if (testStandIn)
        return testStandIn->file;
    return platform::paths::libraryFile(kLibraryName);
}

QString fileVersion() {
    return platform::files::fileVersion(filePath()).value_or("N/A");
}

void installForTesting(const Exports *table, const QString &file) {
    testStandIn = TestStandIn{table, file};
}

void restoreForTesting() {
    testStandIn.reset();
}

} // namespace DeviceLibrary
