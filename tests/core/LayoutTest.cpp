#include "core/clsLayout.h"

#include <QLabel>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using namespace AnchorFlags;

class LayoutTest : public ::testing::Test {
protected:
    QLabel *control(const QString &name, QRect geometry, QWidget *parent = nullptr) {
        auto *label = new QLabel(name, parent ? parent : &window);
        label->setObjectName(name);
        label->setGeometry(geometry);
        return label;
    }

    QWidget window;
    clsLayout layout;
};

TEST_F(LayoutTest, WorkedExamplesOfAWindowDesignedAt12000) {
    window.resize(12000, 8000);
    QLabel *stretched = control("stretched", QRect(120, 100, 11580, 50)); // right margin 300
    QLabel *right = control("right", QRect(10700, 200, 1000, 50));        // right margin 300
    QLabel *scaled = control("scaled", QRect(6000, 300, 100, 50));
    layout.SetLayout(&window, {{stretched, L | R}, {right, R}, {scaled, X}});

    window.resize(15000, 8000);
    layout.RedrawLayout();
    EXPECT_EQ(stretched->geometry(), QRect(120, 100, 14580, 50));
    EXPECT_EQ(right->x(), 13700);
    EXPECT_EQ(scaled->x(), 7500);

    window.resize(9000, 6000); // smaller than designed: laid out as designed
    layout.RedrawLayout();
    EXPECT_EQ(stretched->geometry(), QRect(120, 100, 11580, 50));
    EXPECT_EQ(right->geometry(), QRect(10700, 200, 1000, 50));
    EXPECT_EQ(scaled->geometry(), QRect(6000, 300, 100, 50));
}

TEST_F(LayoutTest, BottomAndHeightRulesFollowTheWindowsHeight) {
    window.resize(1000, 800);
    QLabel *filling = control("filling", QRect(10, 20, 100, 660)); // bottom margin 120
    QLabel *bottom = control("bottom", QRect(10, 700, 100, 50));   // bottom margin 50
    QLabel *tall = control("tall", QRect(200, 80, 100, 400));
    layout.SetLayout(&window, {{filling, F}, {bottom, L | B}, {tall, Y | D}});

    window.resize(1000, 1000);
    layout.RedrawLayout();

    EXPECT_EQ(filling->geometry(), QRect(10, 20, 100, 860));
    EXPECT_EQ(bottom->geometry(), QRect(10, 900, 100, 50));
    EXPECT_EQ(tall->geometry(), QRect(200, 100, 100, 500));
}

TEST_F(LayoutTest, AMarginRuleThatWouldGoNegativeGivesZero) {
    window.resize(1000, 800);
    QLabel *right = control("right", QRect(800, 700, 100, 50));
    layout.SetLayout(&window, {{right, R | B}});

    right->resize(2000, 1000); // now larger than the room the margins leave
    layout.RedrawLayout();

    EXPECT_EQ(right->pos(), QPoint(0, 0));
}

TEST_F(LayoutTest, ASecondSetLayoutForgetsTheEarlierRecords) {
    window.resize(1000, 800);
    QLabel *first = control("first", QRect(800, 10, 100, 50));
    QLabel *second = control("second", QRect(700, 10, 100, 50));
    layout.SetLayout(&window, {{first, R}});
    layout.SetLayout(&window, {{second, R}});

    window.resize(1100, 800);
    layout.RedrawLayout();

    EXPECT_EQ(first->x(), 800);
    EXPECT_EQ(second->x(), 800);
    EXPECT_EQ(layout.LayoutControls().size(), 1u);
}

TEST(ParseLayoutFlagsTest, LettersCombinationsAndReset) {
    EXPECT_EQ(clsLayout::ParseLayoutFlags("LRTB"), 15);
    EXPECT_EQ(clsLayout::ParseLayoutFlags("HV"), 15);
    EXPECT_EQ(clsLayout::ParseLayoutFlags("XW"), 80);
    EXPECT_EQ(clsLayout::ParseLayoutFlags("YD"), 160);
    EXPECT_EQ(clsLayout::ParseLayoutFlags("FNY"), 32);
    EXPECT_EQ(clsLayout::ParseLayoutFlags("lrtb?"), 0);
}

class MainWindowLayoutTest : public LayoutTest {
protected:
    QLabel *resImage(int index, QRect geometry) {
        QLabel *image = control("resImage", geometry);
        image->setProperty("Index", index);
        return image;
    }

    void grow(int byWidth, int byHeight) {
        window.resize(window.width() + byWidth, window.height() + byHeight);
        layout.RedrawLayout();
    }
};

TEST_F(MainWindowLayoutTest, GrowingToTheRightMovesRightAnchoredAndWidensStretchedControls) {
    window.resize(8000, 6000);
    QLabel *frameX = control("FrameX", QRect(100, 5000, 7000, 500));
    QLabel *inFrame = control("ListView1", QRect(10, 10, 6000, 300), frameX);
    QLabel *chart = control("TChart1", QRect(100, 100, 7800, 4000));
    QLabel *graphRight = control("lblGraphRight1", QRect(7500, 50, 400, 40));
    QLabel *graphLabel = control("GraphLabel", QRect(2000, 50, 3000, 40));
    layout.SetLayout(&window, clsLayout::MainWindowAnchors(&window));

    grow(1000, 0);

    EXPECT_EQ(frameX->width(), 8000);
    EXPECT_EQ(inFrame->width(), 7000); // margins count to the window, also inside a frame
    EXPECT_EQ(chart->width(), 8800);
    EXPECT_EQ(graphRight->x(), 8500);
    EXPECT_EQ(graphLabel->width(), 3375); // 3000 x 9000 / 8000
    EXPECT_EQ(graphLabel->x(), 2000);
}

TEST_F(MainWindowLayoutTest, ProportionalPlacesAndTheImageArray) {
    window.resize(8000, 6000);
    QLabel *label2 = control("Label2", QRect(300, 3000, 500, 40));
    QLabel *option1 = control("Option1", QRect(4000, 5500, 500, 40)); // bottom margin 460
    QLabel *image2 = resImage(2, QRect(7000, 100, 300, 300));
    QLabel *image3 = resImage(3, QRect(7000, 100, 300, 300));
    QLabel *image5 = resImage(5, QRect(7000, 5000, 300, 300));
    QLabel *image7 = resImage(7, QRect(7000, 5000, 300, 300));
    control("SomethingElse", QRect(10, 10, 10, 10));
    layout.SetLayout(&window, clsLayout::MainWindowAnchors(&window));
    EXPECT_EQ(layout.LayoutControls().size(), 4u);

    grow(2000, 3000);

    EXPECT_EQ(label2->pos(), QPoint(300, 4500));
    EXPECT_EQ(option1->pos(), QPoint(5000, 8500));
    EXPECT_EQ(image3->pos(), QPoint(9000, 100));
    EXPECT_EQ(image5->pos(), QPoint(9000, 8000));
    EXPECT_EQ(image2->pos(), QPoint(7000, 100));
    EXPECT_EQ(image7->pos(), QPoint(7000, 5000));
}

} // namespace
