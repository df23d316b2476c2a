#include "StoreFixture.h"

#include "transfer/HrSessionStore.h"

using namespace testing;

namespace {

const Moment kStart{2026, 3, 9, 7, 5, 9};
const Moment kEnd{2026, 3, 9, 8, 5, 9};

class HrSessionStoreTest : public StoreFixture {
protected:
    StoreResult store(const Bytes &samples, Moment start = kStart) {
        return StoreHRSession(heartRateSession(start, samples, kEnd), gConn, key, sessionType);
    }
    std::array<double, 5> zoneTimes() {
        std::array<double, 5> times{};
        auto row =
            gConn.prepare("select time_zone1, time_zone2, time_zone3, time_zone4, time_zone5 from sessions "
                          "where prkey = ?");
        row.bind(1, key);
        EXPECT_TRUE(row.step());
        for (int zone = 0; zone < 5; ++zone)
            times[zone] = row.columnDouble(zone);
        return times;
    }
};

TEST_F(HrSessionStoreTest, StoresTheActivityWithSamplesTwoSecondsApart) {
    const StoreResult result = store({0, 140, 145, 143, 0});
    EXPECT_EQ(result.outcome, StoreOutcome::Stored);
    EXPECT_EQ(scalar("select max(prkey) from sessions"), key);
    EXPECT_EQ(sessionType, 0);
    EXPECT_EQ(value("select Duration from sessions where prkey = ?", key), 3600);
    EXPECT_EQ(value("select max_HR from sessions where prkey = ?", key), 145);
    // 428 / 3 = 142.67: zeros are left out of the average, which is rounded down.
    EXPECT_EQ(value("select avg_HR from sessions where prkey = ?", key), 142);
    EXPECT_EQ(value("select count(*) from sessiondata where session_prkey = ? and data_type = 0", key), 5);
    EXPECT_EQ(value("select max(cum_duration) from sessiondata where session_prkey = ?", key), 8);
    EXPECT_EQ(scalar("select Session_datetime = '2026-03-09 07:05:09' and session_date = '2026-03-09' "
                     "from sessions"),
              1);
}

TEST_F(HrSessionStoreTest, LongSessionKeepsEverySampleInOrder) {
    Bytes samples(701);
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = static_cast<std::uint8_t>(60 + i % 190);
    store(samples);
    EXPECT_EQ(value("select count(*) from sessiondata where session_prkey = ?", key), 701);
    EXPECT_EQ(
        value(
            "select count(*) from sessiondata where session_prkey = ? and Hr = 60 + (cum_duration / 2) % 190",
            key),
        701);
}

TEST_F(HrSessionStoreTest, ZoneTimesCountEverySampleButTheLast) {
    // Zones of the fresh database: 95-113, 114-132, 133-151, 152-170, 171-190.
    store({100, 120, 140, 160, 180, 180, 60});
    EXPECT_EQ(zoneTimes(), (std::array<double, 5>{2, 2, 2, 2, 4}));

    store({0}, {2026, 3, 10, 7, 0, 0}); // one sample, so nothing is counted
    EXPECT_EQ(zoneTimes(), (std::array<double, 5>{}));
    EXPECT_EQ(value("select max_HR + avg_HR from sessions where prkey = ?", key), 0);
    EXPECT_EQ(value("select count(*) from sessiondata where session_prkey = ?", key), 1);
}

TEST_F(HrSessionStoreTest, SameStartIsStoredOnce) {
    store({120, 121});
    const SessionKey first = key;
    sessionType = 7;
    const StoreResult again = store({120, 121});
    EXPECT_EQ(again.outcome, StoreOutcome::AlreadyStored);
    EXPECT_EQ(key, first);
    EXPECT_EQ(sessionType, 7);
    EXPECT_EQ(scalar("select count(*) from sessiondata"), 2);
}

TEST_F(HrSessionStoreTest, FailureHalfWayThroughTheSamplesLeavesNothing) {
    refuseSamplesFrom(4);
    const StoreResult result = store({120, 121, 122, 123});
    EXPECT_EQ(result.outcome, StoreOutcome::Failed);
    EXPECT_FALSE(result.stored());
    EXPECT_EQ(key, 0);
    EXPECT_EQ(scalar("select count(*) from sessions"), 0);
    EXPECT_EQ(scalar("select count(*) from sessiondata"), 0);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "There was a problem inserting the Heart Rate data into the database");
}

TEST_F(HrSessionStoreTest, StartThatIsNoDateIsReportedAsCorruptedAndSkipped) {
    const StoreResult result = store({120}, {2026, 13, 9, 7, 5, 9});
    EXPECT_EQ(result.outcome, StoreOutcome::Failed);
    EXPECT_EQ(scalar("select count(*) from sessions"), 0);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    const QString &text = dialogs.shown()[0].text;
    EXPECT_TRUE(text.startsWith("Data from the Activity on: ") && text.contains(" 07:05:09 is corrupted."))
        << text.toStdString();
}

TEST_F(HrSessionStoreTest, KeysBeyond32BitsReachTheSamples) {
    gConn.executeScript("insert into sqlite_sequence (name, seq) values ('sessions', 5000000000)");
    store({120, 130});
    EXPECT_EQ(key, 5000000001);
    EXPECT_EQ(value("select count(*) from sessiondata where session_prkey = ?", key), 2);
}

} // namespace
