#include "preferences/BoxChecks.h"

#include <gtest/gtest.h>

namespace {

using platform::dialogs::Icon;
using preferences::BoxRefusal;

struct Case {
    const char *text;
    std::optional<BoxRefusal> expected;
};

void expectChecks(std::optional<BoxRefusal> (*check)(const QString &), std::initializer_list<Case> cases) {
    for (const Case &c : cases) {
        const auto refusal = check(c.text);
        EXPECT_EQ(refusal, c.expected)
            << "text '" << c.text << "' gives message " << (refusal ? refusal->messageId : 0);
    }
}

const BoxRefusal kWholeNumber{1505, Icon::Information, std::nullopt};
const BoxRefusal kWholeNumberNoIcon{1505, Icon::None, std::nullopt};

TEST(BoxChecks, ZoneBoundsAreEmptyOrWholeNumbersUpTo240) {
    const BoxRefusal outOfRange{1911, Icon::Information, std::nullopt};
    expectChecks(preferences::CheckZoneBound, {{"", std::nullopt},
                                               {"0", std::nullopt},
                                               {"240", std::nullopt},
                                               {"241", outOfRange},
                                               {"300", outOfRange},
                                               {"12.5", kWholeNumber},
                                               {"-3", kWholeNumber},
                                               {"abc", kWholeNumber}});
}

TEST(BoxChecks, AgeOutOfRangeIsResetTo30) {
    const BoxRefusal outOfRange{1618, Icon::Information, QString("30")};
    expectChecks(preferences::CheckAge, {{"30", std::nullopt},
                                         {"1", std::nullopt},
                                         {"110", std::nullopt},
                                         {"111", outOfRange},
                                         {"0", outOfRange},
                                         {"0.4", outOfRange},
                                         {"99999999", outOfRange},
                                         {"30.5", kWholeNumberNoIcon},
                                         {"", BoxRefusal{1510, Icon::Information, std::nullopt}},
                                         {"thirty", BoxRefusal{1510, Icon::Information, std::nullopt}}});
}

TEST(BoxChecks, MaximumHeartRateOutOfRangeKeepsItsText) {
    const BoxRefusal outOfRange{1617, Icon::Information, std::nullopt};
    expectChecks(preferences::CheckMaximumHeartRate,
                 {{"190", std::nullopt},
                  {"20", std::nullopt},
                  {"220", std::nullopt},
                  {"221", outOfRange},
                  {"19", outOfRange},
                  {"150.5", kWholeNumberNoIcon},
                  {"x", BoxRefusal{1511, Icon::Information, std::nullopt}}});
}

TEST(BoxChecks, PaceIsWholeMinutesUpTo99) {
    const BoxRefusal pace{1506, Icon::Information, std::nullopt};
    const BoxRefusal outOfRange{1912, Icon::Information, std::nullopt};
    expectChecks(preferences::CheckPace, {{"", std::nullopt},
                                          {"0", std::nullopt},
                                          {"99", std::nullopt},
                                          {"100", outOfRange},
                                          {"5.5", pace},
                                          {"x", pace}});
}

TEST(BoxChecks, PaceRangeGoesFromFastestToSlowest) {
    using preferences::PaceRange;
    const struct {
        const char *fastest;
        const char *slowest;
        PaceRange::Verdict verdict;
    } cases[] = {
        {"5", "20", PaceRange::Valid},
        {"8", "8", PaceRange::NotFastestToSlowest},
        {"20", "5", PaceRange::NotFastestToSlowest},
        {"", "20", PaceRange::Incomplete},
        {"5", "100", PaceRange::Incomplete}, // a refused box is never stored by its partner
    };
    for (const auto &c : cases)
        EXPECT_EQ(preferences::CheckPaceRange(c.fastest, c.slowest).verdict, c.verdict)
            << c.fastest << " to " << c.slowest;
    const PaceRange valid = preferences::CheckPaceRange("5", "20");
    EXPECT_EQ(valid.fastest, 5);
    EXPECT_EQ(valid.slowest, 20);
}

} // namespace
