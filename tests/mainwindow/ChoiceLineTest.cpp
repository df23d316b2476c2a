#include "mainwindow/ChoiceLine.h"

#include <gtest/gtest.h>

namespace {

TEST(ChoiceLine, ListsGiveUpTheRoomTheLineLacksEvenlyAndTheWordsKeepTheirs) {
    using ChoiceLine::Part;
    const struct {
        const char *what;
        std::vector<Part> parts;
        int room;
        std::vector<int> widths;
    } cases[] = {
        {"all fit", {{30}, {120, true, 50}, {20}}, 200, {30, 120, 20}},
        {"two lists share", {{30}, {120, true, 120}, {20}, {120, true, 120}}, 250, {30, 100, 20, 100}},
        {"a narrow list keeps what it needs", {{40, true, 40}, {200, true, 200}}, 180, {40, 140}},
        {"chosen entries first", {{160, true, 90}, {160, true, 160}}, 270, {110, 160}},
        {"then evenly up to them", {{160, true, 160}, {160, true, 160}}, 200, {100, 100}},
        {"no room for the lists", {{100}, {50, true, 50}}, 80, {100, 0}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChoiceLine::Widths(c.parts, c.room), c.widths) << c.what;
}

} // namespace
