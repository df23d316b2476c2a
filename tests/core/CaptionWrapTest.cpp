#include "core/CaptionWrap.h"

#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

TEST(CaptionWrap, FillsEachLineWithTheWordsThatFitItsWidth) {
    const QFontMetrics metrics(QApplication::font());
    const auto widthOf = [&metrics](const char *text) { return metrics.horizontalAdvance(text); };
    const struct {
        const char *caption;
        int width;
        const char *wrapped;
    } cases[] = {
        {"one two three", widthOf("one two"), "one two\nthree"},
        {"one two three", widthOf("one two three"), "one two three"},
        {"one two three", widthOf("one"), "one\ntwo\nthree"},
        {"extraordinary word", widthOf("word"), "extraordinary\nword"},
        {"one\ntwo  three", 10000, "one two three"},
        {"&one two three", widthOf("one two"), "&one two\nthree"},
        {"", 100, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(CaptionWrap::Wrapped(c.caption, metrics, c.width), c.wrapped)
            << c.caption << " in " << c.width;
}

} // namespace
