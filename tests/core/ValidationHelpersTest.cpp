#include "core/LocaleScope.h"
#include "core/modHelpersValidation.h"

#include <gtest/gtest.h>

using namespace modHelpers;

namespace {

TEST(ValidateNumericText, Codes) {
    LocaleScope scope(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        const char *text;
        int maximum;
        NumericTextStatus code;
    } cases[] = {
        {"10", 10, kValid},
        {" 7 ", 10, kValid},
        {"11", 10, kWholeAboveMaximum},
        {"9.5", 10, kFractionWithinMaximum},
        {"12.5", 10, kFractionAboveMaximum},
        {"", 10, kNotANumber},
        {"12a", 10, kNotANumber},
        {"inf", 10, kNotANumber},
        {"-1", 10, kNegative},
        {"-0.5", 10, kNegative},
        // Beyond 16 bits: still classified, never a failure.
        {"70000", 240, kWholeAboveMaximum},
        {"70000.5", 240, kFractionAboveMaximum},
        {"99999999999999999999", 240, kWholeAboveMaximum},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ValidateNumericText(c.text, c.maximum), c.code) << '"' << c.text << "\" max " << c.maximum;
}

TEST(ValidateNumericText, ReadsTheUsersDecimalSeparator) {
    LocaleScope scope(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ValidateNumericText("12,5", 10), kFractionAboveMaximum);
}

} // namespace
