#include "transfer/RecorderChecks.h"

#include "core/modHelpersCursor.h"
#include "core/modRegistry.h"
#include "transfer/frmLowBatt.h"
#include "transfer/frmRedGreen.h"

namespace {

QVariant readProgramValue(const char *name, const char *type, const QVariant &missing) {
    QVariant value;
    modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, name, type, missing, value);
    return value;
}

} // namespace

void CheckLowBattery(const DeviceLibrary::Exports &device) {
    if (device.IsLowBattery() == 0)
        return;
    if (!frmLowBatt::NoticeDue(readProgramValue("LowBatWarnDate", "S", QString()).toString(),
                               QDate::currentDate()))
        return;
    modHelpers::SetBusyCursor(0);
    frmLowBatt notice;
    notice.exec();
    modHelpers::SetBusyCursor(1);
}

void ReportStorageFailures(const DeviceLibrary::Exports &device) {
    if (device.GetRGStatus() <= 0)
        return;
    const int count = readProgramValue("RGCount", "D", 0).toInt() + 1;
    device.ClearRGStatus();
    modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "RGCount", "D", count);
    frmRedGreen notice;
    notice.exec();
}
