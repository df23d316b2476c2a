#include "entry/EntryFields.h"
#include "core/LocaleScope.h"

#include <gtest/gtest.h>

namespace {

using namespace EntryFields;

// A box, a text typed or pasted into it, and the message that refuses it (0: accepted).
struct BoxText {
    Box box;
    const char *text;
    int message;
};

TEST(EntryFields, CheckIntegerClassifiesWholenessAndRange) {
    const struct {
        const char *text;
        int limit;
        IntegerCheck expected;
    } cases[] = {
        {"0", 300, kWholeWithin},         {"300", 300, kWholeWithin},      {"301", 300, kWholeOutside},
        {"-1", 300, kWholeOutside},       {"9e9", 300, kWholeOutside},     {"1.5", 300, kFractionWithin},
        {"300.5", 300, kFractionOutside}, {"-0.5", 300, kFractionOutside}, {"", 300, kNoNumber},
        {"abc", 300, kNoNumber},          {"59", 59, kWholeWithin},        {"60", 59, kWholeOutside},
    };
    for (const auto &c : cases)
        EXPECT_EQ(checkInteger(c.text, c.limit), c.expected) << c.text;
}

TEST(EntryFields, EachBoxAnswersLeavingWithItsMessage) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const BoxText cases[] = {
        {Box::Distance, "", 0},
        {Box::Distance, "1.5", 0},
        {Box::Distance, "0", 0},
        {Box::Distance, "99999", 0},
        {Box::Distance, "-1", 1860},
        {Box::Distance, "abc", 1860},
        {Box::Distance, "12,5", 1860}, // "," is no decimal point in English and never groups
        {Box::Distance, "1e308", 1860},
        {Box::Distance, "100000", 1860},
        {Box::Hours, "23", 0},
        {Box::Hours, "24", 1615},
        {Box::Hours, "-1", 1509},
        {Box::Hours, "1.5", 1509},
        {Box::Hours, "x", 1509},
        {Box::Minutes, "59", 0},
        {Box::Minutes, "60", 1616},
        {Box::Minutes, "-5", 1862},
        {Box::Seconds, "-5", 1862},
        {Box::Seconds, "60", 1616},
        {Box::Seconds, "0.5", 1509},
        {Box::Seconds, "x", 1509},
        {Box::AverageHeartRate, "300", 0},
        {Box::AverageHeartRate, "0", 0},
        {Box::AverageHeartRate, "301", 1863},
        {Box::PeakHeartRate, "301", 1864},
        {Box::AverageHeartRate, "9e9", 1863},
        {Box::PeakHeartRate, "9e9", 1864},
        {Box::PeakHeartRate, "1.5", 1509},
        {Box::PeakHeartRate, "-3", 1509},
        {Box::PeakHeartRate, "abc", 1509},
        {Box::ZoneTime, "300", 0},
        {Box::ZoneTime, "301", 1865},
        {Box::ZoneTime, "1.5", 1509},
        {Box::ZoneTime, "-1", 1509},
        {Box::ZoneTime, "", 0},
        {Box::Speed, "12.5", 0},
        {Box::Speed, "99999", 0},
        {Box::Speed, "-1", 1860},
        {Box::Speed, "12,5", 1860},
        {Box::Speed, "9e12", 1860},
        {Box::AveragePaceMinutes, "x", 1506},
        {Box::AveragePaceMinutes, "-5", 1866},
        {Box::AveragePaceMinutes, "1e9", 1866},
        {Box::AveragePaceMinutes, "999", 0},
        {Box::AveragePaceSeconds, "x", 1506},
        {Box::AveragePaceSeconds, "99", 0},
        {Box::AveragePaceSeconds, "100", 1866},
        {Box::BestPaceMinutes, "x", 1509},
        {Box::BestPaceMinutes, "07", 0},
        {Box::BestPaceMinutes, "-1", 1866},
        {Box::BestPaceMinutes, "100", 0},
        {Box::BestPaceSeconds, "x", 1509},
        {Box::BestPaceSeconds, "99.5", 1866},
        {Box::BestPaceSeconds, "100", 1866},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LeaveMessage(c.box, c.text), c.message) << static_cast<int>(c.box) << " " << c.text;
}

// A paste that does not fit the box is refused with what is wrong with it, or else with what
// the box takes.
TEST(EntryFields, ARefusedPasteNamesItsFaultOrTheBoxsRange) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const BoxText cases[] = {
        {Box::Hours, "1.5", 1509},
        {Box::Hours, "100", 1615},
        {Box::Hours, " 12 ", 1861},
        {Box::Minutes, "125", 1616},
        {Box::Seconds, "005", 1862},
        {Box::Distance, "123.45", 1860},
        {Box::AverageHeartRate, "1000", 1863},
        {Box::PeakHeartRate, "0150", 1864},
        {Box::ZoneTime, "100", 1865},
        {Box::AveragePaceMinutes, "0005", 1866},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PasteMessage(c.box, c.text), c.message) << static_cast<int>(c.box) << " " << c.text;
}

TEST(EntryFields, SpeedGivesPaceTruncatedAndCapped) {
    const struct {
        float speed;
        Pace pace;
    } cases[] = {
        {7.5f, {"08", "00"}}, {8, {"07", "30"}}, {13, {"04", "36"}}, {0.5f, {"99", "59"}},
        {0.6f, {"99", "59"}}, {0, {"00", "00"}}, {-2, {"00", "00"}}, {60, {"01", "00"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SpeedToPace(c.speed), c.pace) << c.speed;
}

TEST(EntryFields, LeavingASpeedRewritesItWithTwoDecimalsAndFillsThePace) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        const char *text;
        int message;
        const char *speed;
        Pace pace;
    } cases[] = {
        {"8.125", 0, "8.12", {"07", "23"}}, {"8.50", 0, "8.5", {"07", "03"}}, {"8", 0, "8", {"07", "30"}},
        {"0", 0, "0", {"00", "00"}},        {"0.004", 0, "0", {"00", "00"}},  {"0.5", 0, "0.5", {"99", "59"}},
        {"-1", 1860, nullptr, {}},          {"1.2.3", 1860, nullptr, {}},     {"9e12", 1860, nullptr, {}},
        {"12,5", 1860, nullptr, {}},
    };
    for (const auto &c : cases) {
        const SpeedLeave result = LeaveSpeed(c.text);
        EXPECT_EQ(result.message, c.message) << c.text;
        if (!c.speed) {
            EXPECT_FALSE(result.speed) << c.text;
            continue;
        }
        EXPECT_EQ(result.speed.value_or("?"), c.speed) << c.text;
        EXPECT_EQ(result.pace.value_or(Pace{}), c.pace) << c.text;
    }
    EXPECT_FALSE(LeaveSpeed("").speed);
}

TEST(EntryFields, SpeedsAreWrittenInTheUsersDecimalForm) {
    const LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(LeaveSpeed("8,125").speed.value_or("?"), "8,12");
    EXPECT_EQ(LeaveSpeed("8.125").speed.value_or("?"), "8,12");
    EXPECT_EQ(LeaveSpeed("1.500").speed.value_or("?"), "1,5");
    EXPECT_EQ(SingleText(6.2345678), "6,234568");
    EXPECT_EQ(NumberText(12345.5), "12345,5");
}

TEST(EntryFields, LeavingAPaceGivesTheSpeed) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        const char *minutes;
        const char *seconds;
        int left;
        int message;
        const char *speed; // nullptr: the speed box stays as it is
    } cases[] = {
        {"07", "30", 0, 0, "8"},
        {"4", "36", 1, 0, "13.04"},
        {"", "90", 1, 0, "40"},
        {"", "", 0, 0, nullptr},
        {"0", "0", 0, 0, nullptr},
        {"abc", "30", 0, 1506, "120"},
        {"5", "", 1, 0, nullptr},
        {"5", "x", 1, 1506, "12"},
        {"4", "35.6", 1, 0, "13.04"},
        // A box out of range is refused and, like one that holds no number, counts as 0.
        {"-5", "30", 0, 1866, "120"},
        {"5", "-30", 1, 1866, "12"},
        {"9e9", "", 0, 1866, nullptr},
        {"5", "100", 1, 1866, "12"},
    };
    for (const auto &c : cases) {
        const PaceLeave result = LeavePace(c.minutes, c.seconds, kAveragePace[c.left]);
        EXPECT_EQ(result.message, c.message) << c.minutes << ":" << c.seconds;
        EXPECT_EQ(result.speed.value_or("unchanged"), c.speed ? c.speed : "unchanged")
            << c.minutes << ":" << c.seconds;
    }
}

TEST(EntryFields, ZoneMinutesOver59CarryIntoTheHours) {
    const struct {
        const char *hours;
        const char *minutes;
        int message;
        const char *newHours; // nullptr: no carry
        const char *newMinutes;
    } cases[] = {
        {"", "75", 0, "1", "15"},
        {"2", "75", 0, "3", "15"},
        {"", "90", 0, "1", "30"},
        {"1", "59", 0, nullptr, nullptr},
        {"", "", 0, nullptr, nullptr},
        {"", "300", 0, "5", "0"},
        {"", "abc", 1509, nullptr, nullptr},
        {"", "-5", 1509, nullptr, nullptr},
        {"", "301", 1865, nullptr, nullptr},
        {"", "1.5", 1509, nullptr, nullptr},
        {"x", "60", 0, "1", "0"},
    };
    for (const auto &c : cases) {
        const ZoneCarry carry = CarryZoneMinutes(c.hours, c.minutes);
        EXPECT_EQ(carry.message, c.message) << c.hours << ":" << c.minutes;
        EXPECT_EQ(carry.hours.value_or("none"), c.newHours ? c.newHours : "none") << c.minutes;
        EXPECT_EQ(carry.minutes.value_or("none"), c.newMinutes ? c.newMinutes : "none") << c.minutes;
    }
}

TEST(EntryFields, StoredSecondsSplitIntoTheBoxes) {
    EXPECT_EQ(DurationBoxes(3723), (Clock{1, 2, 3}));
    EXPECT_EQ(DurationBoxes(5400), (Clock{1, 30, 0}));
    EXPECT_EQ(DurationBoxes(59.9), (Clock{0, 0, 59}));
    EXPECT_EQ(ZoneBoxes(5400), (Clock{1, 30, 0}));
    EXPECT_EQ(ZoneBoxes(600), (Clock{0, 10, 0}));
    EXPECT_EQ(ZoneBoxes(90000), (Clock{25, 0, 0}));
}

TEST(EntryFields, PaceLabelsFollowTheSpeedUnitAndTheTimeSeparator) {
    {
        const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
        EXPECT_EQ(PaceUnitLabel(1588, 1), "mm:ss/km");
        EXPECT_EQ(PaceUnitLabel(1591, 2), "mm:ss/nm");
        EXPECT_EQ(PaceUnitLabel(1588, 0), "mm:ss/mi");
        EXPECT_EQ(PaceUnitLabel(1588, -1), "mm:ss/mi");
    }
    const LocaleScope finnish(QLocale(QLocale::Finnish, QLocale::Finland));
    EXPECT_EQ(PaceUnitLabel(1588, 1), "mm.ss/km");
}

} // namespace
