#include "StoreFixture.h"

#include "core/Numbers.h"
#include "core/modLocalisation.h"
#include "transfer/CorruptedDataReport.h"
#include "transfer/GpsSessionStore.h"
#include "transfer/HrSessionStore.h"
#include "transfer/PreferredUnits.h"

using namespace testing;

namespace {

const Moment kStart{2026, 5, 2, 9, 0, 0};
const Moment kEnd{2026, 5, 2, 9, 30, 0};

class GpsSessionStoreTest : public StoreFixture {
protected:
    StoreResult store(std::uint8_t mode, const Bytes &records) {
        return StoreGPSSession(speedGpsSession(mode, kStart, records, kEnd), gConn, key, sessionType);
    }
    // 10 mph points whose distance grows 0.01 mile each.
    Bytes speedTrack(int points) {
        Bytes records;
        for (int n = 0; n < points; ++n)
            records = concat({records, speedRecord(100, 10 * n)});
        return records;
    }
};

TEST_F(GpsSessionStoreTest, NewSpeedSessionStoresOneRowPerPointWithoutPosition) {
    const StoreResult result =
        store(1, concat({speedRecord(100, 0), speedRecord(120, 10), speedRecord(80, 20)}));
    EXPECT_EQ(result.outcome, StoreOutcome::Stored);
    EXPECT_EQ(scalar("select max(prkey) from sessions"), key);
    EXPECT_EQ(sessionType, 1);
    EXPECT_EQ(value("select Duration from sessions where prkey = ?", key), 1800);
    EXPECT_DOUBLE_EQ(value("select Distance from sessions where prkey = ?", key), 0.02);
    EXPECT_DOUBLE_EQ(value("select max_speed from sessions where prkey = ?", key), 12);
    EXPECT_DOUBLE_EQ(value("select avg_speed from sessions where prkey = ?", key),
                     10.08); // 0.02 mi in 7.14 s
    EXPECT_EQ(value("select count(*) from sessiondata where session_prkey = ? and data_type = 1", key), 3);
    EXPECT_TRUE(isNull("select max(Altitude) || max(Lat) || max(Long) || max(TrueHeading) || max(MagHeading) "
                       "from sessiondata where session_prkey = ?",
                       key));
}

TEST_F(GpsSessionStoreTest, TotalsAreInThePreferredUnitAndSamplesInMiles) {
    gPrimaryUnit = "km";
    store(1, concat({speedRecord(100, 0), speedRecord(100, 3107)}));
    EXPECT_DOUBLE_EQ(value("select Distance from sessions where prkey = ?", key), 5); // 3.107 mi
    EXPECT_EQ(value("select max_Speed_Units + avg_Speed_Units + max_pace_units + avg_pace_units "
                    "from sessions where prkey = ?",
                    key),
              4);
    EXPECT_DOUBLE_EQ(value("select max(cum_distance) from sessiondata where session_prkey = ?", key), 3.107);
    EXPECT_DOUBLE_EQ(value("select max(Speed) from sessiondata where session_prkey = ?", key), 10);

    EXPECT_DOUBLE_EQ(Numbers::roundHalfEven(SpeedInUnit(11.5078f, "nm"), 2), 10);
    EXPECT_FLOAT_EQ(DistanceInUnit(2, "yd"), 2);
}

TEST_F(GpsSessionStoreTest, GpsSessionStoresPositionsAndHoldsAltitudeUntilAGoodFix) {
    Bytes records;
    for (int n = 0; n < 5; ++n)
        records = concat({records, gpsRecord({.speedTenths = 60,
                                              .distanceThousandths = 10 * n,
                                              .status = n < 3 ? 0 : 3,
                                              .altitude = n < 3 ? 50 + n : 120 + n,
                                              .latitude = 45,
                                              .longitude = -73})});
    store(5, records);
    EXPECT_EQ(sessionType, 5);
    auto rows =
        gConn.prepare("select data_type, Altitude, Lat, ACQStatus from sessiondata where session_prkey = ? "
                      "order by cum_duration");
    rows.bind(1, key);
    const int expected[] = {123, 123, 123, 123, 124};
    for (int altitude : expected) {
        ASSERT_TRUE(rows.step());
        EXPECT_EQ(rows.columnInt64(0), 2);
        EXPECT_EQ(rows.columnInt64(1), altitude);
        EXPECT_NEAR(rows.columnDouble(2), 45, 1e-4);
    }
}

// A speed session starting with a heart-rate-only activity joins it, and its totals are written
// in that activity's own unit even when the preference has changed since.
TEST_F(GpsSessionStoreTest, JoinsTheHeartRateActivityOfTheSameStartInItsOwnUnit) {
    gPrimaryUnit = "km";
    ASSERT_TRUE(
        StoreHRSession(heartRateSession(kStart, {120, 130, 140}, kEnd), gConn, key, sessionType).stored());
    const SessionKey heartRateKey = key;
    gPrimaryUnit = "mi";
    const StoreResult result = store(1, concat({speedRecord(100, 0), speedRecord(100, 3107)}));
    EXPECT_EQ(result.outcome, StoreOutcome::Joined);
    EXPECT_EQ(key, heartRateKey);
    EXPECT_EQ(sessionType, 20);
    EXPECT_EQ(value("select session_type from sessions where prkey = ?", key), 20);
    EXPECT_DOUBLE_EQ(value("select Distance from sessions where prkey = ?", key), 5);
    EXPECT_DOUBLE_EQ(value("select max_speed from sessions where prkey = ?", key), 16.09);
    EXPECT_EQ(value("select Duration from sessions where prkey = ?", key), 1800);
    EXPECT_EQ(value("select max_HR from sessions where prkey = ?", key), 140);
    EXPECT_EQ(value("select count(*) from sessiondata where session_prkey = ? and data_type = 0", key), 3);
    EXPECT_EQ(value("select count(*) from sessiondata where session_prkey = ? and data_type = 1", key), 2);
    EXPECT_EQ(scalar("select count(*) from sessions"), 1);

    key = 0;
    EXPECT_EQ(store(1, speedTrack(2)).outcome,
              StoreOutcome::AlreadyStored); // a type 20 activity is not joined again
    EXPECT_EQ(key, 0);
}

TEST_F(GpsSessionStoreTest, SameSessionTwiceIsStoredOnce) {
    store(1, speedTrack(3));
    const StoreResult again = store(1, speedTrack(3));
    EXPECT_EQ(again.outcome, StoreOutcome::AlreadyStored);
    EXPECT_EQ(scalar("select count(*) from sessiondata"), 3);
}

TEST_F(GpsSessionStoreTest, ASessionOfTimeMarksOnlyIsNothingToStoreAndNoFailure) {
    const StoreResult result = store(1, concat({timeMark(), timeMark()}));
    EXPECT_EQ(result.outcome, StoreOutcome::Empty);
    EXPECT_EQ(scalar("select count(*) from sessions"), 0);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(GpsSessionStoreTest, CorruptedStreamIsReportedInTheUserLanguageAndItsValidPointsStored) {
    gLanguageOffset = 3000;
    const StoreResult result = store(1, concat({speedTrack(2), Bytes{0x59, 0, 0, 0, 0, 0, 0, 0, 0}}));
    EXPECT_EQ(result.outcome, StoreOutcome::Stored);
    EXPECT_EQ(value("select count(*) from sessiondata where session_prkey = ?", key), 2);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith("Daten von der Tätigkeit auf: "));
    EXPECT_TRUE(dialogs.shown()[0].text.endsWith(
        " 09:00:00 werden verdorben. Runvella speichert die gültigen Daten vor der Störung."));

    gLanguageOffset = 500;
    EXPECT_TRUE(CorruptedDataMessage("x").startsWith("Data from the Activity on: x is corrupted."));
}

TEST_F(GpsSessionStoreTest, FailureHalfWayThroughThePointsLeavesNothing) {
    ASSERT_TRUE(StoreHRSession(heartRateSession(kStart, {120, 130}, kEnd), gConn, key, sessionType).stored());
    const SessionKey heartRateKey = key;
    refuseSamplesFrom(5);
    const StoreResult result = store(1, speedTrack(4));
    EXPECT_EQ(result.outcome, StoreOutcome::Failed);
    EXPECT_EQ(sessionType, 0);
    EXPECT_EQ(value("select session_type from sessions where prkey = ?", heartRateKey), 0);
    EXPECT_EQ(value("select Distance is null from sessions where prkey = ?", heartRateKey), 1);
    EXPECT_EQ(scalar("select count(*) from sessiondata where data_type <> 0"), 0);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const QString &text = dialogs.shown()[0].text;
    EXPECT_TRUE(text.startsWith(modLocalisation::LoadResString(1575) + '\n') && text.endsWith("disk full"))
        << text.toStdString();
}

} // namespace
