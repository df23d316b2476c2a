#include "LibraryState.h"

#include "logger.h"

namespace logger {
namespace {

LibraryState loadedState() {
    LibraryState loaded;
    loaded.languageOffset = GetLanguageOffset();
    return loaded;
}

} // namespace

LibraryState &state() {
    static LibraryState current = loadedState();
    return current;
}

void loadLibraryState() {
    LibraryState &current = state();
    if (current.transport)
        current.transport->close();
    current = loadedState();
}

void setLastError(DeviceError error) {
    state().lastError = error;
}

} // namespace logger
