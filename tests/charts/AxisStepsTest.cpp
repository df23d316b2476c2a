#include "charts/AxisSteps.h"
#include "charts/EqualScales.h"

#include <QApplication>
#include <QChart>
#include <QValueAxis>

#include <gtest/gtest.h>

namespace {

TEST(AxisStepsTest, BucketLabelsThinOutAsBucketsNarrow) {
    struct Case {
        double pixelsPerBucket;
        double labelExtent;
        int step;
    } cases[] = {
        {40, 30, 1},    // room for every label
        {30, 30, 1},    // exactly room
        {10, 30, 3},    // every third
        {0.2, 40, 200}, // ten years of days on a pane of 730 pixels
        {0, 40, 1},     // not laid out yet
        {10, 0, 1},     // no label text
    };
    for (const Case &c : cases)
        EXPECT_EQ(charts::bucketLabelStep(c.pixelsPerBucket, c.labelExtent), c.step)
            << c.pixelsPerBucket << " px per bucket, " << c.labelExtent << " px per label";
}

TEST(AxisStepsTest, DurationLabelsStandAtClockStepsNoCloserThanTheMinimum) {
    struct Case {
        double pixelsPerMinute;
        double labelExtent;
        double minimumStep;
        double step;
    } cases[] = {
        {10, 20, 10, 10},              // the ten-minute step fits
        {10, 20, 1, 2},                // a finer minimum: 2 minutes make 20 pixels
        {0.5, 20, 10, 60},             // 40 needed: the next clock step is an hour
        {0.01, 20, 10, 2880},          // past 12 hours whole days double
        {0, 20, 10, 10},               // not laid out yet: the minimum
        {1, 20, 25, 30},               // a minimum between clock steps rounds up to one
        {80, 45, 1.0 / 60, 1},         // six minutes across 480 pixels: a label a minute
        {960, 60, 1.0 / 60, 5.0 / 60}, // half a minute across 480 pixels: every 5 seconds
        {6.4, 40, 1.0 / 60, 10},       // 75 minutes across 480 pixels
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(charts::durationLabelStep(
                             c.pixelsPerMinute, [&](double) { return c.labelExtent; }, c.minimumStep),
                         c.step)
            << c.pixelsPerMinute << " px per minute, minimum " << c.minimumStep;
}

TEST(AxisStepsTest, ValueTicksFallOnRoundIntervals) {
    EXPECT_DOUBLE_EQ(charts::niceInterval(85, 8), 20); // 10.6 rounds up to 20
    EXPECT_DOUBLE_EQ(charts::niceInterval(80, 8), 10);
    EXPECT_DOUBLE_EQ(charts::niceInterval(1.5, 8), 0.2);
    EXPECT_DOUBLE_EQ(charts::niceInterval(18, 8), 2.5);
    EXPECT_DOUBLE_EQ(charts::niceInterval(0, 8), 1);
}

TEST(AxisStepsTest, ValueTicksLeaveTheirLabelsRoomAndShowTheDecimalsTheyNeed) {
    struct Case {
        double range;
        double pixels;
        double labelExtent;
        double interval;
        int decimals;
    } cases[] = {
        {85, 400, 20, 20, 0},         // eight ticks have room
        {85, 80, 20, 25, 0},          // a short pane: fewer, wider apart
        {2.5, 300, 20, 0.5, 1},       // a tall pane, a small range
        {18, 300, 20, 2.5, 1},        // 2.5 needs a decimal
        {1.8, 300, 20, 0.25, 2},      // 0.25 needs two
        {0.0021, 400, 60, 0.0005, 4}, // a track's radians
        {12000, 150, 20, 2000, 0},    // no "1e+04"
        {10, 0, 20, 2, 0},            // not laid out: the usual eight ticks
        {10, 30, 20, 10, 0},          // no room at all: one interval over the range
    };
    for (const Case &c : cases) {
        const double interval =
            charts::valueTickInterval(c.range, c.pixels, 8, [&](double) { return c.labelExtent; });
        EXPECT_DOUBLE_EQ(interval, c.interval) << c.range << " over " << c.pixels << " px";
        EXPECT_EQ(charts::decimalsOf(interval), c.decimals) << interval;
    }
}

TEST(AxisStepsTest, ClockTextKeepsRealHours) {
    EXPECT_EQ(charts::clockText(0, ":"), "00:00");
    EXPECT_EQ(charts::clockText(59, ":"), "00:59");
    EXPECT_EQ(charts::clockText(1439, "."), "23.59");
    EXPECT_EQ(charts::clockText(1440, ":"), "24:00");
    EXPECT_EQ(charts::clockText(1800, ":"), "30:00");
    EXPECT_EQ(charts::clockText(6000, ":"), "100:00");
    EXPECT_EQ(charts::clockText(-90, ":"), "-01:30");
    EXPECT_EQ(charts::clockText(61.5, ":", true), "01:01:30");
    EXPECT_EQ(charts::clockText(10.0 / 60, ".", true), "00.00.10");
}

TEST(EqualScalesTest, OneUnitIsAsLongAcrossAsUp) {
    // A square of data on a wide plot widens across.
    EXPECT_EQ(charts::equalScaleRanges(QRectF(0, 0, 10, 10), QSizeF(200, 100)), QRectF(-5, 0, 20, 10));
    // A flat track on a square plot grows up around its centre.
    EXPECT_EQ(charts::equalScaleRanges(QRectF(0, 4, 10, 2), QSizeF(100, 100)), QRectF(0, 0, 10, 10));
    // A straight north-south track has no width: it gets its height across.
    EXPECT_EQ(charts::equalScaleRanges(QRectF(3, 0, 0, 8), QSizeF(100, 100)), QRectF(-1, 0, 8, 8));
    // One point.
    EXPECT_EQ(charts::equalScaleRanges(QRectF(2, 2, 0, 0), QSizeF(100, 100)), QRectF(1.5, 1.5, 1, 1));
    // A margin of 10 pixels around the data: 10 units over 100 of the 120 pixels.
    EXPECT_EQ(charts::equalScaleRanges(QRectF(0, 0, 10, 10), QSizeF(120, 120), 10), QRectF(-1, -1, 12, 12));
    EXPECT_EQ(charts::equalScaleRanges(QRectF(0, 0, 10, 10), QSizeF(220, 120), 10), QRectF(-6, -1, 22, 12));
    // A plot with no room inside its margins shows the data edge to edge.
    EXPECT_EQ(charts::equalScaleRanges(QRectF(0, 0, 10, 10), QSizeF(20, 20), 10), QRectF(0, 0, 10, 10));
}

TEST(EqualScalesTest, AResizedPlotKeepsItsCentreAndUnitsPerPixel) {
    EXPECT_EQ(charts::keptScaleRanges(QRectF(0, 0, 20, 10), QSizeF(200, 100), QSizeF(400, 100)),
              QRectF(-10, 0, 40, 10));
    EXPECT_EQ(charts::keptScaleRanges(QRectF(0, 0, 20, 10), QSizeF(200, 100), QSizeF(100, 200)),
              QRectF(5, -5, 10, 20));
    // A plot not laid out yet has no scale to keep.
    EXPECT_EQ(charts::keptScaleRanges(QRectF(0, 0, 20, 10), QSizeF(0, 0), QSizeF(100, 200)),
              QRectF(0, 0, 20, 10));
}

// A zoomed track keeps what it shows through a picture drawn at another size and back.
TEST(EqualScalesTest, AZoomOutlivesAResizeAndAnUnzoomedPlotFitsItsDataAgain) {
    QChart chart;
    auto *x = new QValueAxis;
    auto *y = new QValueAxis;
    chart.addAxis(x, Qt::AlignBottom);
    chart.addAxis(y, Qt::AlignLeft);
    chart.resize(600, 400);
    QApplication::processEvents();
    const QRectF data(0, 0, 10, 10);
    charts::keepEqualScales(chart, *x, *y, data);
    const auto shown = [&] { return QRectF(QPointF(x->min(), y->min()), QPointF(x->max(), y->max())); };
    const auto resize = [&](QSizeF size) {
        chart.resize(size);
        QApplication::processEvents();
    };

    resize(QSizeF(400, 600));
    EXPECT_TRUE(shown().contains(data));
    EXPECT_EQ(shown(), charts::equalScaleRanges(data, chart.plotArea().size()));

    x->setRange(2, 4);
    y->setRange(2, 2 + 2 * chart.plotArea().height() / chart.plotArea().width());
    const QRectF zoomed = shown();
    resize(QSizeF(640, 480));
    EXPECT_EQ(shown().center(), zoomed.center());
    EXPECT_LT(shown().width(), 5);
    resize(QSizeF(400, 600));
    EXPECT_EQ(shown(), zoomed);
}

} // namespace
