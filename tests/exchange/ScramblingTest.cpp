#include "exchange/modCredentials.h"

#include "common/ParamName.h"

#include <gtest/gtest.h>

using modCredentials::Decrypt;
using modCredentials::Encrypt;
using modCredentials::EncryptError;

namespace {

struct Worked {
    QByteArray plain;
    QByteArray scrambled;
};

void PrintTo(const Worked &c, std::ostream *out) {
    *out << '"' << c.plain.toStdString() << "\" scrambled \"" << c.scrambled.toStdString() << '"';
}

class WorkedScrambling : public ::testing::TestWithParam<Worked> {};

TEST_P(WorkedScrambling, ScramblesAndComesBack) {
    EXPECT_EQ(Encrypt(1, GetParam().plain), GetParam().scrambled);
    EXPECT_EQ(Decrypt(GetParam().scrambled), GetParam().plain);
}

// Shifts 0, 2, 4, 3, 5, 7, 6 for positions 0 to 6; the first character is never moved.
INSTANTIATE_TEST_SUITE_P(ScramblingTest, WorkedScrambling,
                         ::testing::Values(Worked{"", "1"}, Worked{"abc", "1adg"},
                                           Worked{"aaaaaaa", "1acedfhg"}, Worked{"a'b", "1a)f"}),
                         [](const ::testing::TestParamInfo<Worked> &info) {
                             return testing::NameFromText(info.param.plain.toStdString());
                         });

TEST(ScramblingTest, EveryCodeThatStaysInRangeComesBack) {
    for (int position = 0; position < 9; ++position) {
        const int shift = position + position % 3;
        for (int code = 0; code + shift <= 255; ++code) {
            const QByteArray plain = QByteArray(position, 'x') + QByteArray(1, static_cast<char>(code));
            const QByteArray scrambled = Encrypt(1, plain);
            ASSERT_EQ(scrambled.size(), plain.size() + 1);
            EXPECT_EQ(static_cast<unsigned char>(scrambled.back()), code + shift);
            EXPECT_EQ(Decrypt(scrambled), plain) << "position " << position << " code " << code;
        }
    }
}

TEST(ScramblingTest, ShortTextsUnscrambleToNothing) {
    EXPECT_EQ(Decrypt(""), "");
    EXPECT_EQ(Decrypt("1"), "");
    EXPECT_EQ(Decrypt("x"), "");
}

TEST(ScramblingTest, AnotherMethodDigitIsInvalidWhateverFollows) {
    EXPECT_EQ(Decrypt("2adg"), "{invalid}");
    EXPECT_EQ(Decrypt("a1"), "{invalid}");
}

TEST(ScramblingTest, ACodeThatWouldFallBelowZeroIsInvalid) {
    EXPECT_EQ(Decrypt(QByteArray("1a\x01", 3)), "{invalid}");
}

TEST(ScramblingTest, AnUnknownMethodIsRefused) {
    try {
        Encrypt(2, "abc");
        FAIL() << "scrambled with method 2";
    } catch (const EncryptError &error) {
        EXPECT_EQ(error.number(), 1006);
        EXPECT_STREQ(error.what(), "Unrecognized encryption method.");
    }
}

TEST(ScramblingTest, ACodeThatWouldPass255IsRefused) {
    EXPECT_NO_THROW(Encrypt(1, "\xFF"));
    EXPECT_THROW(Encrypt(1, "\xFF\xFF"), EncryptError);
    // High letters go out of range once the shift has grown with the length.
    EXPECT_NO_THROW(Encrypt(1, QByteArray(40, '\xD0')));
    EXPECT_THROW(Encrypt(1, QByteArray(60, '\xD0')), EncryptError);
    // The athlete learns which character to change, not that the text is too long.
    try {
        Encrypt(1, "a\xFF");
        FAIL() << "scrambled a code past 255";
    } catch (const EncryptError &error) {
        EXPECT_EQ(error.number(), 5);
        EXPECT_STREQ(error.what(),
                     "Character 2 of the text, \"\u00ff\", cannot be kept scrambled: at that place "
                     "its scrambled code would pass 255. Type another character there.");
    }
}

} // namespace
