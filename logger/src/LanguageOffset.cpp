#include "logger.h"

#include "platform/SettingsStore.h"

extern "C" LOGGER_API int32_t GetLanguageOffset(void) {
    using namespace platform;
    const auto stored =
        settings::readEntry(settings::rootFile(settings::kProgramRoot), settings::kProgramKey, "language");
    if (!stored)
        return 0;
    bool isNumber = false;
    const int value = stored->toString().trimmed().toInt(&isNumber);
    const bool known = isNumber && (value == 1000 || value == 2000 || value == 3000 || value == 4000);
    return known ? value : 0;
}
