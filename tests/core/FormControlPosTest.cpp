#include "core/Form_ControlPos.h"

#include <QCoreApplication>
#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using namespace ControlMoveMode;

TEST(MovedValueTest, LeftEdgeOfAWindowGrowingFrom9000To12000) {
    const int change = 3000;
    const int half = 1500;
    const double ratio = 12000.0 / 9000.0;
    EXPECT_DOUBLE_EQ(*MovedValue(AddChange, 8000, change, half, ratio), 11000);
    EXPECT_NEAR(*MovedValue(Scale, 8000, change, half, ratio), 10666.67, 0.005);
    EXPECT_DOUBLE_EQ(*MovedValue(AddHalfChange, 8000, change, half, ratio), 9500);
    EXPECT_FALSE(MovedValue(Keep, 8000, change, half, ratio));
    EXPECT_FALSE(MovedValue(7, 8000, change, half, ratio));
}

class FormControlPosTest : public ::testing::Test {
protected:
    QLabel *control(int left, int top, int width, int height) {
        auto *label = new QLabel("x", &window);
        label->setGeometry(left, top, width, height);
        return label;
    }

    void resizeWindow(int width, int height) {
        window.resize(width, height);
        positions.m_Form_Resize();
    }

    QWidget window;
    Form_ControlPos positions;
};

TEST_F(FormControlPosTest, EachModeMovesTheLeftEdgeByItsRule) {
    window.resize(9000, 600);
    QLabel *added = control(8000, 10, 50, 20);
    QLabel *scaled = control(8000, 40, 50, 20);
    QLabel *halved = control(8000, 70, 50, 20);
    QLabel *kept = control(8000, 100, 50, 20);
    positions.Init(&window);
    positions.Add(added, AddChange, Keep, Keep, Keep, false);
    positions.Add(scaled, Scale, Keep, Keep, Keep, false);
    positions.Add(halved, AddHalfChange, Keep, Keep, Keep, false);
    positions.Add(kept, Keep, Keep, Keep, Keep, false);

    resizeWindow(12000, 600);

    EXPECT_EQ(added->x(), 11000);
    EXPECT_EQ(scaled->x(), 10667); // 10666.67 kept in whole pixels
    EXPECT_EQ(halved->x(), 9500);
    EXPECT_EQ(kept->x(), 8000);
}

TEST_F(FormControlPosTest, HalfChangeRoundsHalvesToEven) {
    window.resize(400, 300);
    QLabel *label = control(100, 100, 50, 20);
    positions.Init(&window);
    positions.Add(label, AddHalfChange, AddHalfChange, Keep, Keep, false);

    resizeWindow(415, 325);
    EXPECT_EQ(label->pos(), QPoint(108, 112));
    resizeWindow(385, 300);
    EXPECT_EQ(label->x(), 92);
}

TEST_F(FormControlPosTest, BackAtTheStartSizeEveryControlIsAtItsStartPlace) {
    window.resize(400, 300);
    QLabel *label = control(30, 40, 100, 50);
    positions.Init(&window);
    positions.AddProportional(label);

    resizeWindow(777, 555);
    EXPECT_EQ(label->geometry(), QRect(58, 74, 194, 92)); // 92.5 kept as 92
    resizeWindow(400, 300);
    EXPECT_EQ(label->geometry(), QRect(30, 40, 100, 50));
}

TEST_F(FormControlPosTest, FontFollowsTheHeightRatioOnlyWhenTheHeightMoves) {
    window.resize(400, 300);
    QLabel *growing = control(0, 0, 100, 20);
    QLabel *fixed = control(0, 50, 100, 20);
    QFont font = growing->font();
    font.setPointSizeF(10);
    growing->setFont(font);
    fixed->setFont(font);
    positions.Init(&window);
    positions.Add(growing, Keep, Keep, Keep, AddChange, true);
    positions.Add(fixed, Keep, Keep, Keep, Keep, true);

    resizeWindow(400, 450);

    EXPECT_DOUBLE_EQ(growing->font().pointSizeF(), 15);
    EXPECT_EQ(growing->height(), 170);
    EXPECT_DOUBLE_EQ(fixed->font().pointSizeF(), 10);
}

TEST_F(FormControlPosTest, ARefusedSizeLeavesTheCurrentValue) {
    window.resize(400, 300);
    QLabel *label = control(10, 10, 100, 50);
    positions.Init(&window);
    positions.Add(label, Keep, Keep, AddChange, Keep, false);

    resizeWindow(350, 300);
    EXPECT_EQ(label->width(), 50);
    resizeWindow(250, 300); // 100 - 150 would be negative
    EXPECT_EQ(label->width(), 50);
    resizeWindow(450, 300);
    EXPECT_EQ(label->width(), 150);
}

TEST_F(FormControlPosTest, AControlRegisteredTwiceEndsWhereTheLaterRegistrationPutsIt) {
    window.resize(400, 300);
    QLabel *label = control(100, 10, 50, 20);
    positions.Init(&window);
    positions.Add(label, AddChange, Keep, Keep, Keep, false);
    positions.Add(label, AddHalfChange, Keep, Keep, Keep, false);

    resizeWindow(500, 300);
    EXPECT_EQ(label->x(), 150);
}

TEST_F(FormControlPosTest, ResizingTheShownWindowReplacesItsControls) {
    window.resize(400, 300);
    QLabel *label = control(300, 250, 50, 20);
    positions.Init(&window);
    positions.Add(label, AddChange, AddChange, Keep, Keep, false);
    window.show();

    window.resize(500, 350);
    QCoreApplication::processEvents();

    EXPECT_EQ(label->pos(), QPoint(400, 300));
}

} // namespace
