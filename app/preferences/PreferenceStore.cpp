#include "preferences/PreferenceStore.h"

#include "core/Numbers.h"
#include "core/modRegistry.h"

#include <functional>
#include <string>

namespace preferences {
namespace {

using platform::db::Connection;

// The one-row tables get their row back when it is missing, so that nothing typed is lost.
void updateOrInsert(Connection &connection, const char *update, const char *insert,
                    const std::function<void(platform::db::Statement &)> &bind) {
    auto updating = connection.prepare(update);
    bind(updating);
    updating.execute();
    if (connection.changes() > 0)
        return;
    auto inserting = connection.prepare(insert);
    bind(inserting);
    inserting.execute();
}

void storeZones(Connection &connection, const HeartRateZones &zones) {
    updateOrInsert(connection,
                   "update zones set zone1low = ?, zone1high = ?, zone2low = ?, zone2high = ?, zone3low = ?, "
                   "zone3high = ?, zone4low = ?, zone4high = ?, zone5low = ?, zone5high = ?",
                   "insert into zones (zone1low, zone1high, zone2low, zone2high, zone3low, zone3high, "
                   "zone4low, zone4high, zone5low, zone5high) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
                   [&zones](platform::db::Statement &statement) {
                       for (int zone = 0; zone < 5; ++zone) {
                           statement.bind(2 * zone + 1, zones.low[zone]);
                           statement.bind(2 * zone + 2, zones.high[zone]);
                       }
                   });
}

const char *transferColumn(TransferOption option) {
    switch (option) {
    case TransferOption::AlwaysClear:
        return "alwaysClearDR";
    case TransferOption::ClipBeginning:
        return "Clip_Beginning";
    case TransferOption::ClipEnd:
        return "clip_end";
    case TransferOption::SmartSpeed:
        break;
    }
    return "Filter_Spikes";
}

long storeSetting(const char *name, int value) {
    return modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, name, "D", value);
}

// A stored number too large for a box reads as missing.
int wholeColumn(platform::db::Statement &row, int column) {
    return row.isNull(column) ? 0 : Numbers::toInt16(row.columnDouble(column)).value_or(0);
}

} // namespace

Person ReadPerson(Connection &connection) {
    auto row = connection.prepare("select age, max_hr from person limit 1");
    if (!row.step())
        return {};
    return {wholeColumn(row, 0), wholeColumn(row, 1)};
}

bool SmoothingIsOn(Connection &connection) {
    auto row = connection.prepare("select UseSmoothing from preferences limit 1");
    return row.step() && !row.isNull(0) && row.columnDouble(0) == 1;
}

std::optional<QString> SportDescription(Connection &connection, std::int64_t key) {
    auto row = connection.prepare("select Description from sports where prkey = ?");
    row.bind(1, key);
    if (!row.step())
        return std::nullopt;
    return row.columnText(0);
}

void StorePrimaryUnit(Connection &connection, const QString &unitCode) {
    connection.prepare("update preferences set Primary_Unit = ?").bindAll(unitCode).execute();
}

void StorePaceRange(Connection &connection, int fastest, int slowest) {
    connection.prepare("update preferences set Pace_Min = ?, Pace_Max = ?")
        .bindAll(fastest, slowest)
        .execute();
}

void StoreTransferOption(Connection &connection, TransferOption option, int value) {
    connection.prepare(std::string("update preferences set ") + transferColumn(option) + " = ?")
        .bindAll(value)
        .execute();
}

void StoreZoneMode(Connection &connection, ZoneMode mode) {
    connection.prepare("update preferences set computeZonesUsing = ?").bindAll(ZoneModeCode(mode)).execute();
}

void StorePerson(Connection &connection, std::optional<int> age, std::optional<int> maximum) {
    if (age)
        updateOrInsert(connection, "update person set age = ?", "insert into person (age) values (?)",
                       [&age](platform::db::Statement &statement) { statement.bind(1, *age); });
    if (maximum)
        updateOrInsert(connection, "update person set max_hr = ?", "insert into person (max_hr) values (?)",
                       [&maximum](platform::db::Statement &statement) { statement.bind(1, *maximum); });
}

void StoreZoneSettings(Connection &connection, const ZoneSettings &settings) {
    platform::db::Transaction transaction(connection);
    if (settings.zones)
        storeZones(connection, *settings.zones);
    StorePerson(connection, settings.age, settings.maximum);
    connection.prepare("update preferences set UseSmoothing = ?")
        .bindAll(settings.smoothing ? 1 : 0)
        .execute();
    transaction.commit();
    gUseSmoothing = settings.smoothing;
}

bool AskSpliceIsChecked() {
    QVariant stored = 0;
    modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, "AlwaysAskSplice", "D", 0, stored);
    return stored.toInt() != 1;
}

long StoreAskSplice(bool checked) {
    return storeSetting("AlwaysAskSplice", checked ? 0 : 1);
}

long StoreCompression(bool on) {
    gUseCompression = on;
    return storeSetting("UseCompression", on ? 1 : 0);
}

} // namespace preferences
