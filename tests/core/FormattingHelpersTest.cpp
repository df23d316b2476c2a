#include "core/modHelpersFormatting.h"

#include <gtest/gtest.h>

#include <limits>
#include <stdexcept>

using namespace modHelpers;

namespace {

TEST(FormatDuration, WorkedValues) {
    const struct {
        double minutes;
        int layout;
        const char *text;
    } cases[] = {
        {90.5, 1, "01:30:30"},
        {90.5, 0, "01:30"},
        {59.9999, 1, "01:00:00"},
        {59.9999, 0, "01:00"},
        {119.99999, 1, "02:00:00"},
        {0.375, 1, "00:00:22"}, // 22.5 s: an exact half goes to the even
                                // neighbour
        {1439.999, 1, "23:59:59"},
        {1440, 0, "23:59:59"},
    };
    for (const auto &c : cases) {
        double minutes = c.minutes;
        EXPECT_EQ(FormatDuration(minutes, c.layout), c.text) << c.minutes << " layout " << c.layout;
    }

    double negative = -30;
    EXPECT_EQ(FormatDuration(negative, kDurationWithSeconds), "00:30:00");
    EXPECT_EQ(negative, 30);
}

TEST(FormatDuration, NoNumberAndInfinitiesReadAsNoTime) {
    for (const double minutes :
         {std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
        double value = minutes;
        EXPECT_EQ(FormatDuration(value, kDurationWithSeconds), "00:00:00") << minutes;
        value = minutes;
        EXPECT_EQ(FormatDuration(value, 0), "00:00") << minutes;
    }
}

TEST(PadString, FillsInFrontUntilLongEnough) {
    EXPECT_EQ(PadString(7, 2, "0"), "07");
    EXPECT_EQ(PadString(123, 2, "0"), "123");
    EXPECT_EQ(PadString(QVariant(), 2, "0"), "00");
    EXPECT_EQ(PadString("ab", 5, "xy"), "xyxyab");
}

TEST(Hex, ValuesReadUpToFourDigitsAs16BitAndUpToEightAs32Bit) {
    EXPECT_EQ(ByteToHex(10), "0A");
    EXPECT_EQ(ByteToHex(0xA5), "A5");

    const struct {
        const char *digits;
        double value;
    } cases[] = {
        {"ff", 255},
        {"7FFF", 32767},
        {"8000", -32768},
        {"FFFF", -1},
        {"0FFFF", 65535},
        {"7FFFFFFF", 2147483647},
        {"80000000", -2147483648.0},
    };
    for (const auto &c : cases)
        EXPECT_EQ(HexToValue(c.digits), c.value) << c.digits;
    for (const char *digits : {"", "G1", "123456789", " 12", "0x12"})
        EXPECT_THROW(HexToValue(digits), std::invalid_argument) << digits;
}

TEST(Hex, SignedReadsSixDigitsAsA24BitAngle) {
    const struct {
        const char *digits;
        double degrees;
    } cases[] = {
        {"400000", 90},
        {"C00000", -90},
        {"c00000", -90},
        {"800000", -180},
        {"7FFFFF", 8388607 * 180.0 / 8388608},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(HexToSigned(c.digits), c.degrees) << c.digits;
    EXPECT_THROW(HexToSigned("FFFF"), std::invalid_argument);
}

} // namespace
