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

TEST(ReadNumericText, TheUsersDecimalSeparatorAndTheDotAreTheDecimalPointAndNothingGroups) {
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    const struct {
        QLocale locale;
        const char *text;
        std::optional<double> number;
    } cases[] = {
        {english, "12.5", 12.5},
        {english, "12,5", std::nullopt},
        {english, "1,500", std::nullopt},
        {english, "-2", -2},
        {english, "9e9", 9e9},
        {german, "12,5", 12.5},
        {german, "8.125", 8.125},
        {german, "1.500", 1.5},
        {german, "1.234,5", std::nullopt},
        {german, "-0,5", -0.5},
        {french, "12,5", 12.5},
        {french, "7.25", 7.25},
        {french, "1 500", std::nullopt},
    };
    for (const auto &c : cases) {
        LocaleScope scope(c.locale);
        EXPECT_EQ(ReadNumericText(c.text), c.number) << c.locale.name().toStdString() << " " << c.text;
    }
}

TEST(ValidationMessage, TheDecimalNumberMessageNamesTheUsersDecimalSeparator) {
    LocaleScope scope(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(ValidationMessage(kDecimalRangeMessage),
              "Please enter a number from 0 to 99999, with \",\" as the decimal separator.");
    EXPECT_EQ(ValidationMessage(1509), "Please enter a positive whole number");
}

} // namespace
