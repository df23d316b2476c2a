#pragma once

#include "core/Globals.h"
#include "preferences/ZoneRule.h"

#include <QString>

#include <optional>

// What the preferences window reads and stores, one setting at a time, each at once. Database
// failures throw platform::db::DbError; settings-store failures return the store's result code
// (0 when the value was stored).
namespace preferences {

// The person's age and maximum heart rate, 0 where the row or the value is missing.
struct Person {
    int age = 0;
    int maximum = 0;
};
Person ReadPerson(platform::db::Connection &connection);

// True when the preferences row holds UseSmoothing 1.
bool SmoothingIsOn(platform::db::Connection &connection);

// The stored name of a sport, when there is such a sport.
std::optional<QString> SportDescription(platform::db::Connection &connection, std::int64_t key);

// "mi", "km" or "nm".
void StorePrimaryUnit(platform::db::Connection &connection, const QString &unitCode);

// Whole minutes per distance unit, the fastest first.
void StorePaceRange(platform::db::Connection &connection, int fastest, int slowest);

// The transfer options kept in the preferences row, each 0 or 1.
enum class TransferOption { AlwaysClear, ClipBeginning, ClipEnd, SmartSpeed };
void StoreTransferOption(platform::db::Connection &connection, TransferOption option, int value);

void StoreZoneMode(platform::db::Connection &connection, ZoneMode mode);

// The person's age and maximum heart rate, each only when given.
void StorePerson(platform::db::Connection &connection, std::optional<int> age, std::optional<int> maximum);

// The zones the Heart Rate Zones tab shows and the smoothing choice, saved together in one
// transaction: the zones only when given, the smoothing always (and copied into gUseSmoothing).
struct ZoneSettings {
    std::optional<HeartRateZones> zones;
    std::optional<int> age;
    std::optional<int> maximum;
    bool smoothing = false;
};
void StoreZoneSettings(platform::db::Connection &connection, const ZoneSettings &settings);

// "AlwaysAskSplice" holds 1 when a transfer is not to ask whether to splice sessions; the
// window's box says the opposite: checked means ask.
bool AskSpliceIsChecked();
long StoreAskSplice(bool checked);

// The recorder's compression ("UseCompression"), taken into gUseCompression at once.
long StoreCompression(bool on);

} // namespace preferences
