#pragma once

#include "platform/Dialogs.h"

#include <QString>

#include <cstdint>
#include <optional>

// What the program tells the athlete about a failure that the device library reports by its
// last-error code. Codes without a message (0, 2, 3, 4, 6 and unknown ones) give nothing.
struct DeviceErrorMessage {
    QString text;
    platform::dialogs::Icon icon;
};

// After an upload: code 1 has a fixed English text, the others come from the string table.
std::optional<DeviceErrorMessage> UploadFailureMessage(std::int32_t code);

// After clearing the recorder's memory: every text comes from the string table.
std::optional<DeviceErrorMessage> ClearFailureMessage(std::int32_t code);
