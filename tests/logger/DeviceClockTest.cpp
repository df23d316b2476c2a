#include "protocol/DeviceClock.h"
#include "RecorderFixture.h"

using logger::ClockFields;

TEST(DeviceClock, RequestedTimeIsLimitedFromAbove) {
    const struct {
        logger::RequestedDeviceTime requested;
        ClockFields sent; // second, minute, hour, day - 1, month - 1, year
    } cases[] = {
        {{2008, 2, 30, 24, 60, 61}, {0, 0, 0, 27, 1, 99}}, // 2008 is cut to 99, not a leap year
        {{8, 2, 30, 10, 10, 10}, {10, 10, 10, 28, 1, 8}},
        {{0, 2, 31, 0, 0, 0}, {0, 0, 0, 28, 1, 0}},
        {{9, 4, 31, 23, 59, 59}, {59, 59, 23, 29, 3, 9}},
        {{9, 12, 31, 0, 0, 0}, {0, 0, 0, 30, 11, 9}},
        {{9, 13, 32, 0, 0, 0}, {0, 0, 0, 30, 11, 9}},
        {{9, 0, 40, 0, 0, 0}, {0, 0, 0, 39, 255, 9}},   // month 0 leaves the day alone
        {{9 + 256, 3, 1, 0, 0, 0}, {0, 0, 0, 0, 2, 9}}, // only the low byte counts
    };
    for (const auto &c : cases) {
        const auto &r = c.requested;
        EXPECT_EQ(logger::clockFieldsFor(c.requested), c.sent)
            << r.year << "-" << r.month << "-" << r.day << " " << r.hour << ":" << r.minute << ":"
            << r.second;
    }
}

TEST(DeviceClock, ComputerTimeCountsYearsFrom2000) {
    const auto at = [](int year) { return QDateTime(QDate(year, 7, 14), QTime(9, 5, 3)); };
    EXPECT_EQ(logger::clockFieldsFor(at(2024)), (ClockFields{3, 5, 9, 13, 6, 24}));
    EXPECT_EQ(logger::clockFieldsFor(at(1999)), (ClockFields{3, 5, 9, 13, 6, 0}));
    EXPECT_EQ(logger::clockFieldsFor(at(2000))[5], 0);
    EXPECT_EQ(logger::clockFieldsFor(at(2150))[5], 99);
}

using DeviceClockOnTheWire = testing::RecorderTest;

TEST_F(DeviceClockOnTheWire, SetAndSyncSendTheClockCommand) {
    EXPECT_EQ(SetDeviceTime(2008, 2, 30, 24, 60, 61), 1);
    EXPECT_EQ(recorder->clock, (ClockFields{0, 0, 0, 27, 1, 99}));

    EXPECT_EQ(SyncDeviceTime(), 1);
    ASSERT_EQ(recorder->framesOfCommand(logger::kSetClock).size(), 2u);
    EXPECT_EQ(recorder->framesOfCommand(logger::kSetClock).back().size(), 9u);
    EXPECT_EQ(GetLastDeviceError(), 0);
}
