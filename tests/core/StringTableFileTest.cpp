#include "core/StringTableFile.h"

#include <gtest/gtest.h>

TEST(StringTableFile, ReadsIdsAndUnescapesTexts) {
    const auto strings = StringTableFile::parse("1300\tRunvella\r\n"
                                                "1301\tLine one\\nLine two\\tTabbed \\\\ done\n"
                                                "\n"
                                                "not a line\n"
                                                "1302\t\n"
                                                "1303\tEnds with backslash\\");
    EXPECT_EQ(strings.value(1300), "Runvella");
    EXPECT_EQ(strings.value(1301), "Line one\nLine two\tTabbed \\ done");
    EXPECT_TRUE(strings.contains(1302));
    EXPECT_EQ(strings.value(1302), "");
    EXPECT_EQ(strings.value(1303), "Ends with backslash\\");
    EXPECT_EQ(strings.size(), 4);
}
