#include "mainwindow/GraphChoice.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using namespace GraphChoice;

TEST(GraphChoiceTest, ARememberedPositionStaysWithinTheList) {
    const struct {
        int remembered;
        int count;
        int kept;
    } cases[] = {{0, 5, 0}, {3, 5, 3}, {4, 5, 4}, {5, 5, 4}, {17, 3, 2}, {-1, 5, 0}, {2, 0, 0}};
    for (const auto &c : cases)
        EXPECT_EQ(KeptPosition(c.remembered, c.count), c.kept) << c.remembered << " of " << c.count;
}

// The list offers each of the eleven graphs once, and only those have a graph to draw.
TEST(GraphChoiceTest, TheListOffersEveryGraphOnce) {
    std::set<int> offered;
    for (const Entry &entry : kEntries)
        offered.insert(entry.graph);
    EXPECT_EQ(offered.size(), 11u);
    for (int number = -1; number <= 12; ++number)
        EXPECT_EQ(GraphFor(number).has_value(), offered.count(number) == 1) << number;
}

} // namespace
