#include "core/DeviceErrorMessages.h"

#include "core/modLocalisation.h"

namespace {

using platform::dialogs::Icon;

// Only the low 16 bits of a code are compared.
std::int16_t low16(std::int32_t code) {
    return static_cast<std::int16_t>(code & 0xFFFF);
}

std::optional<DeviceErrorMessage> tableMessage(std::int16_t code) {
    const auto text = [](int id) { return modLocalisation::LoadResString(id); };
    switch (code) {
    case 1:
        return DeviceErrorMessage{text(1481), Icon::Critical};
    case 5:
        return DeviceErrorMessage{text(1482), Icon::Critical};
    case 7:
        return DeviceErrorMessage{text(1483), Icon::Critical};
    case 8:
        return DeviceErrorMessage{text(1484), Icon::Information};
    case 9:
        return DeviceErrorMessage{text(1485), Icon::Information};
    case 10:
        return DeviceErrorMessage{text(1486), Icon::Information};
    case 11:
        return DeviceErrorMessage{text(1487), Icon::Critical};
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<DeviceErrorMessage> UploadFailureMessage(std::int32_t code) {
    if (low16(code) == 1)
        return DeviceErrorMessage{"Device is not connected", Icon::Critical};
    return tableMessage(low16(code));
}

std::optional<DeviceErrorMessage> ClearFailureMessage(std::int32_t code) {
    return tableMessage(low16(code));
}
