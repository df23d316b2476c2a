#include "preferences/PreferenceStore.h"
#include "core/DatabaseFixture.h"
#include "core/modRegistry.h"

namespace {

using namespace preferences;

class PreferenceStoreTest : public DatabaseFixture {
protected:
    static QVariant setting(const char *name) {
        QVariant value = -1;
        modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, name, "D", -1, value);
        return value;
    }
};

TEST_F(PreferenceStoreTest, AskSpliceIsTheInverseOfTheStoredValue) {
    EXPECT_TRUE(AskSpliceIsChecked()) << "no value asks";
    EXPECT_EQ(StoreAskSplice(false), 0);
    EXPECT_EQ(setting("AlwaysAskSplice"), 1);
    EXPECT_FALSE(AskSpliceIsChecked());
    EXPECT_EQ(StoreAskSplice(true), 0);
    EXPECT_EQ(setting("AlwaysAskSplice"), 0);
    EXPECT_TRUE(AskSpliceIsChecked());
    modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "AlwaysAskSplice", "D", 2);
    EXPECT_TRUE(AskSpliceIsChecked()) << "only 1 means do not ask";
}

TEST_F(PreferenceStoreTest, EachSettingGoesToItsOwnColumn) {
    StorePrimaryUnit(gConn, "km");
    StorePaceRange(gConn, 5, 20);
    StoreTransferOption(gConn, TransferOption::AlwaysClear, 1);
    StoreTransferOption(gConn, TransferOption::ClipEnd, 1);
    StoreZoneMode(gConn, ZoneMode::FromMaximum);
    EXPECT_EQ(
        numbers("select Pace_Min, Pace_Max, alwaysClearDR, Clip_Beginning, clip_end, Filter_Spikes from "
                "preferences"),
        (std::vector<double>{5, 20, 1, 0, 1, 0}));
    auto texts = gConn.prepare("select Primary_Unit, computeZonesUsing from preferences");
    texts.step();
    EXPECT_EQ(texts.columnText(0), "km");
    EXPECT_EQ(texts.columnText(1), "MaxHR");
    StoreCompression(true);
    EXPECT_TRUE(gUseCompression);
    EXPECT_EQ(setting("UseCompression"), 1);
}

TEST_F(PreferenceStoreTest, ZoneSettingsFillMissingOneRowTablesAndKeepZonesThatWereNotGiven) {
    gConn.executeScript("delete from zones; delete from person");
    EXPECT_EQ(ReadPerson(gConn).age, 0);
    EXPECT_EQ(ReadPerson(gConn).maximum, 0);

    StoreZoneSettings(gConn, {.zones = std::nullopt, .age = 40, .maximum = std::nullopt, .smoothing = true});
    EXPECT_EQ(scalar("select count(*) from zones"), 0);
    EXPECT_EQ(ReadPerson(gConn).age, 40);
    EXPECT_TRUE(SmoothingIsOn(gConn));
    EXPECT_TRUE(gUseSmoothing);

    HeartRateZones zones;
    zones.low = {90, 108, 125, 144, 162};
    zones.high = {107, 124, 143, 161, 180};
    StoreZoneSettings(gConn, {.zones = zones, .age = 40, .maximum = 180, .smoothing = false});
    EXPECT_EQ(LoadHeartRateZones(gConn), zones);
    EXPECT_EQ(scalar("select count(*) from zones"), 1);
    EXPECT_EQ(ReadPerson(gConn).maximum, 180);
    EXPECT_FALSE(SmoothingIsOn(gConn));
}

} // namespace
