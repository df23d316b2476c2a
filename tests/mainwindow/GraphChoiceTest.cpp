#include "mainwindow/GraphChoice.h"

#include <gtest/gtest.h>

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

} // namespace
