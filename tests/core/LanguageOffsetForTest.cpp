#include "core/modLocalisation.h"
#include "core/modRegistry.h"

#include <gtest/gtest.h>

using modLocalisation::LanguageOffsetFor;

TEST(LanguageOffsetFor, OnlyTheFiveOffersSelectALanguage) {
    for (int offered : {0, 1000, 2000, 3000, 4000})
        EXPECT_EQ(LanguageOffsetFor(modRegistry::kSuccess, offered), offered);
    for (int other : {5000, -1000, 1, 999, 2001})
        EXPECT_EQ(LanguageOffsetFor(modRegistry::kSuccess, other), 0) << other;
    EXPECT_EQ(LanguageOffsetFor(modRegistry::kNotFound, 2000), 0);
    EXPECT_EQ(LanguageOffsetFor(modRegistry::kInvalidData, 3000), 0);
}
