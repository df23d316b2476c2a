#pragma once

#include "core/DeviceLibrary.h"

// The recorder's state that a transfer reports before it uploads.

// Shows the low-battery notice when the recorder's battery is low, unless the athlete asked
// within the last 30 days to be reminded later.
void CheckLowBattery(const DeviceLibrary::Exports &device);

// When the recorder failed to store a workout properly: counts the report in "RGCount",
// clears the recorder's flag and shows the storage-error notice.
void ReportStorageFailures(const DeviceLibrary::Exports &device);
