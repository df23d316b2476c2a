#include "core/modHelpersCursor.h"
#include "platform/BusyCursor.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

using modHelpers::SetBusyCursor;
using platform::cursor::isBusy;

namespace {

TEST(SetBusyCursor, OneAndZeroSwitchThePointerOtherValuesChangeNothing) {
    EXPECT_TRUE(SetBusyCursor(1));
    EXPECT_TRUE(isBusy());
    EXPECT_FALSE(SetBusyCursor(2));
    EXPECT_TRUE(isBusy());
    EXPECT_TRUE(SetBusyCursor(1));
    EXPECT_TRUE(SetBusyCursor(0));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr); // however often it was set busy
}

TEST(BusyCursor, PutsBackTheStateItFoundUnlessSwitchedOffInside) {
    {
        platform::cursor::BusyCursor outer;
        { platform::cursor::BusyCursor inner; }
        EXPECT_TRUE(isBusy());
    }
    EXPECT_FALSE(isBusy());

    {
        platform::cursor::BusyCursor busy;
        SetBusyCursor(0);
    }
    EXPECT_FALSE(isBusy());
}

} // namespace
