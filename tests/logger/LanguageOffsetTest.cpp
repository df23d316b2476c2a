#include "common/TestHome.h"
#include "logger.h"
#include "platform/SettingsStore.h"

#include <gtest/gtest.h>

TEST(LanguageOffset, OnlyTheFourOtherLanguagesCount) {
    testing::TestHome home;
    EXPECT_EQ(GetLanguageOffset(), 0);
    const QString file = platform::settings::rootFile(platform::settings::kProgramRoot);
    const struct {
        QVariant stored;
        int offset;
    } cases[] = {{1000, 1000}, {4000, 4000}, {5000, 0}, {999, 0}, {"2000", 2000}, {"abc", 0}};
    for (const auto &c : cases) {
        ASSERT_TRUE(
            platform::settings::writeEntry(file, platform::settings::kProgramKey, "language", c.stored));
        EXPECT_EQ(GetLanguageOffset(), c.offset) << c.stored.toString().toStdString();
    }
}
