#include "core/DatabaseFixture.h"
#include "core/modLocalisation.h"
#include "core/modPreferences.h"
#include "core/modRegistry.h"

#include <algorithm>

using modPreferences::LoadPreferences;

namespace {

class PreferencesTest : public DatabaseFixture {
protected:
    void setUnit(const char *unit) {
        gConn.prepare("update preferences set Primary_Unit = ?").bind(1, unit).execute();
    }
};

TEST_F(PreferencesTest, CopiesTheStoredRow) {
    gConn
        .prepare("update preferences set Primary_Sport = 3, Start_of_Week = 'Sunday', Clip_Beginning = 1, "
                 "Pace_Min = 4.5, computeZonesUsing = 'MaxHR', trenlocrypto = 'abc', XAxisDistance = 1")
        .execute();
    LoadPreferences();
    EXPECT_EQ(gPrimarySport, 3);
    EXPECT_EQ(gStartOfWeek, "Sunday");
    EXPECT_EQ(gClipBeginning, 1);
    EXPECT_EQ(gClipEnd, 0);
    EXPECT_FLOAT_EQ(gPaceMin, 4.5f);
    EXPECT_EQ(gComputeZonesUsing, "MaxHR");
    EXPECT_EQ(gPartnerUser, "abc");
    EXPECT_EQ(gXAxisDistance, 1);
}

TEST_F(PreferencesTest, UnitLabelFollowsTheExactUnitCode) {
    const struct {
        const char *unit;
        int label;
    } cases[] = {{"yd", 1580}, {"mi", 1581}, {"km", 1582}, {"m", 1583},
                 {"nm", 1584}, {"MI", 1581}, {"", 1581}};
    for (const auto &c : cases) {
        setUnit(c.unit);
        LoadPreferences();
        EXPECT_EQ(gPrimaryUnit, c.unit);
        EXPECT_EQ(gUnitLabel, modLocalisation::LoadResString(c.label)) << c.unit;
    }
}

TEST_F(PreferencesTest, CompressionComesFromTheSettingsAndKeepsItsValueWhenMissing) {
    gUseCompression = true;
    LoadPreferences();
    EXPECT_TRUE(gUseCompression);

    ASSERT_EQ(modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "UseCompression", "D", 2), 0);
    gUseCompression = false;
    LoadPreferences();
    EXPECT_TRUE(gUseCompression);

    ASSERT_EQ(modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "UseCompression", "D", 0), 0);
    LoadPreferences();
    EXPECT_FALSE(gUseCompression);
}

TEST_F(PreferencesTest, ResetsTheDeviceBuffersAndSessionRecords) {
    gDeviceBuf1.assign(10, 0xFF);
    gDeviceBuf2Len = 5;
    gHrSessionRecs.resize(4);
    gGpsSessionCount = 3;
    LoadPreferences();
    for (const auto *buffer : {&gDeviceBuf1, &gDeviceBuf2}) {
        EXPECT_EQ(buffer->size(), 262145u);
        EXPECT_TRUE(std::all_of(buffer->begin(), buffer->end(), [](auto b) { return b == 0; }));
    }
    EXPECT_EQ(gDeviceBuf1Len, 131072);
    EXPECT_EQ(gDeviceBuf2Len, 131072);
    EXPECT_EQ(gHrSessionRecs.size(), 1u);
    EXPECT_EQ(gGpsSessionRecs.size(), 1u);
    EXPECT_EQ(gHrSessionCount, 0);
    EXPECT_EQ(gGpsSessionCount, 0);
}

TEST_F(PreferencesTest, AnEmptyNumberOrAMissingRowIsAFailureNotGarbage) {
    gConn.executeScript("update preferences set Pace_Max = null");
    EXPECT_THROW(LoadPreferences(), platform::db::DbError);

    gConn.executeScript("update preferences set Pace_Max = 15, Filter_Spikes = 70000");
    EXPECT_THROW(LoadPreferences(), platform::db::DbError);

    gConn.executeScript("delete from preferences");
    EXPECT_THROW(LoadPreferences(), platform::db::DbError);
}

} // namespace
