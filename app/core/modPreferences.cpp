#include "core/modPreferences.h"

#include "core/Globals.h"
#include "core/Numbers.h"
#include "core/Units.h"
#include "core/modLocalisation.h"
#include "core/modRegistry.h"

#include <sqlite3.h>

namespace modPreferences {
namespace {

using platform::db::DbError;
using platform::db::Statement;

class PreferencesRow {
public:
    explicit PreferencesRow(Statement &row) : row_(row) {}

    int integer(const char *column) const {
        const auto value = Numbers::toInt16(number(column));
        if (!value)
            throw DbError(SQLITE_RANGE, std::string("preferences.") + column + " is out of range");
        return *value;
    }

    float single(const char *column) const { return static_cast<float>(number(column)); }

    QString text(const char *column) const { return row_.columnText(index(column)); }

private:
    int index(const char *column) const {
        const int i = row_.columnIndex(QString::fromLatin1(column));
        if (i < 0)
            throw DbError(SQLITE_ERROR, std::string("preferences has no column ") + column);
        return i;
    }

    double number(const char *column) const {
        const int i = index(column);
        if (row_.isNull(i))
            throw DbError(SQLITE_MISMATCH, std::string("preferences.") + column + " is empty");
        return row_.columnDouble(i);
    }

    Statement &row_;
};

void readCompressionSetting() {
    QVariant value;
    if (modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, "UseCompression", "D", false,
                                       value) == modRegistry::kSuccess)
        gUseCompression = value.toInt() != 0;
}

} // namespace

void LoadPreferences() {
    gHrSessionRecs.assign(1, DeviceSessionRecord{});
    gGpsSessionRecs.assign(1, DeviceSessionRecord{});
    gHrSessionCount = 0;
    gGpsSessionCount = 0;

    gDeviceBuf1.assign(kDeviceBufferSize, 0);
    gDeviceBuf2.assign(kDeviceBufferSize, 0);
    gDeviceBuf1Len = kDeviceBufferOffered;
    gDeviceBuf2Len = kDeviceBufferOffered;

    Statement query = gConn.prepare("select * from preferences");
    if (!query.step())
        throw DbError(SQLITE_NOTFOUND, "the preferences table has no row");
    const PreferencesRow row(query);

    gPrimarySport = row.integer("Primary_Sport");
    gStartOfWeek = row.text("Start_of_Week");
    gClipBeginning = row.integer("Clip_Beginning");
    gClipEnd = row.integer("clip_end");
    gFilterSpikes = row.integer("Filter_Spikes");

    readCompressionSetting();

    gPrimaryUnit = row.text("Primary_Unit");
    gUnitLabel = modLocalisation::LoadResString(Units::LabelId(gPrimaryUnit));

    gAlwaysClearDR = row.integer("alwaysClearDR");
    gPaceMin = row.single("Pace_Min");
    gPaceMax = row.single("Pace_Max");
    gAlwaysShowPace = row.integer("alwaysShowPaceonGraph");
    gComputeZonesUsing = row.text("computeZonesUsing");
    gPartnerUser = row.text("trenlocrypto");
    gPartnerPassword = row.text("trenlocrypto2");
    gXAxisDistance = row.integer("XAxisDistance");
}

void LoadSmoothing() {
    auto query = gConn.prepare("select UseSmoothing from preferences");
    if (query.step())
        gUseSmoothing = query.columnInt64(0) != 0;
}

std::int64_t TransferProgress() {
    auto query = gConn.prepare("select transfer_progress from preferences");
    return query.step() ? query.columnInt64(0) : 0;
}

void StoreTransferProgress(int checkpoint) {
    gConn.prepare("update preferences set transfer_progress = ?").bind(1, checkpoint).execute();
}

void KeepZonesAsEntered() {
    gConn.executeScript("update preferences set computezonesusing='man'");
    gComputeZonesUsing = "man";
}

} // namespace modPreferences
