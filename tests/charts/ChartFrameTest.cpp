#include "charts/ChartFrame.h"
#include "charts/BucketAxis.h"
#include "charts/DenseBars.h"
#include "charts/DurationAxis.h"

#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QDate>
#include <QFontMetricsF>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <gtest/gtest.h>

namespace {

class ChartFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        view.resize(800, 500);
        view.show();
        QApplication::processEvents();
    }

    QChart &chart() { return *view.chart(); }

    static QStringList days(int count) {
        QStringList labels;
        for (int i = 0; i < count; ++i)
            labels.append(QDate(2016, 1, 1).addDays(i).toString("M/d"));
        return labels;
    }

    // The labels' places on screen, left to right, with their text.
    std::vector<std::pair<double, QString>> shownLabels(charts::BucketAxis &axis, QAbstractSeries *series) {
        std::vector<std::pair<double, QString>> places;
        for (const QString &label : axis.categoriesLabels())
            places.emplace_back(chart().mapToPosition(QPointF(axis.endValue(label), 0), series).x(), label);
        return places;
    }

    QChartView view;
};

TEST_F(ChartFrameTest, ResetLeavesNothingOfThePreviousGraph) {
    QValueAxis *old = charts::addValueAxis(chart(), Qt::AlignLeft);
    old->setReverse(true);
    old->setVisible(false);
    old->setTitleText("Pace");
    chart().setTitle("Saved picture");
    charts::showLegend(chart());
    charts::addLine(chart(), *charts::addValueAxis(chart(), Qt::AlignBottom), *old, {{0, 1}, {1, 2}},
                    {Qt::red});

    charts::reset(chart());
    EXPECT_TRUE(chart().series().isEmpty());
    EXPECT_TRUE(chart().axes().isEmpty());
    EXPECT_FALSE(chart().legend()->isVisible());
    EXPECT_TRUE(chart().title().isEmpty());

    QValueAxis *fresh = charts::addValueAxis(chart(), Qt::AlignLeft);
    EXPECT_FALSE(fresh->isReverse());
    EXPECT_TRUE(fresh->isVisible());
    EXPECT_TRUE(fresh->titleText().isEmpty());
}

TEST_F(ChartFrameTest, FewBucketsEachShowTheirLabel) {
    charts::BucketAxis *buckets = charts::addBucketAxis(chart(), days(5));
    QValueAxis *values = charts::addValueAxis(chart(), Qt::AlignLeft);
    charts::addBars(chart(), *buckets, *values, {"", Qt::green, {1, 2, 3, 4, 5}});
    QApplication::processEvents();

    EXPECT_EQ(buckets->labelStep(), 1);
    EXPECT_EQ(buckets->categoriesLabels(), days(5));
    EXPECT_DOUBLE_EQ(buckets->min(), -0.5);
    EXPECT_DOUBLE_EQ(buckets->max(), 4.5);
}

TEST_F(ChartFrameTest, TenYearsOfDaysKeepTheirLabelsApartAndZoomingBringsThemBack) {
    const QStringList labels = days(3650);
    charts::BucketAxis *buckets = charts::addBucketAxis(chart(), labels);
    QValueAxis *values = charts::addValueAxis(chart(), Qt::AlignLeft);
    QList<qreal> minutes(3650, 60.0);
    QBarSeries *bars = charts::addBars(chart(), *buckets, *values, {"", Qt::green, minutes});
    QApplication::processEvents();

    const QFontMetricsF metrics(buckets->labelsFont());
    const auto places = shownLabels(*buckets, bars);
    ASSERT_GE(places.size(), 3u);
    EXPECT_LE(places.size(), 40u);
    for (std::size_t i = 1; i < places.size(); ++i)
        EXPECT_GE(places[i].first - places[i - 1].first, metrics.horizontalAdvance(places[i].second))
            << "labels " << i - 1 << " and " << i << " overlap";
    // Repeated texts (the same day of another year) are still told apart.
    for (const QString &label : buckets->categoriesLabels())
        EXPECT_TRUE(labels.contains(QString(label).remove(QChar(0x200B)))) << label.toStdString();

    // A zoom into one month labels most of its days again.
    buckets->setRange(99.5, 129.5);
    QApplication::processEvents();
    const int step = buckets->labelStep();
    EXPECT_LE(step, 3);
    EXPECT_EQ(buckets->categoriesLabels().front(), labels[(100 + step - 1) / step * step]);
}

TEST_F(ChartFrameTest, DurationsReadAsClockTimesWithRealHours) {
    charts::BucketAxis *buckets = charts::addBucketAxis(chart(), days(2));
    charts::DurationAxis *time = charts::addDurationAxis(chart(), Qt::AlignLeft, ".");
    charts::addBars(chart(), *buckets, *time, {"", Qt::green, {30, 1800}});
    charts::scaleFromZero(*time, 30, 1800, 20);
    QApplication::processEvents();

    const QStringList shown = time->categoriesLabels();
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown.front(), "00.00");
    EXPECT_TRUE(shown.contains("30.00")) << shown.join(' ').toStdString();
    EXPECT_GE(time->labelStep(), 10);
    EXPECT_DOUBLE_EQ(time->max(), 1820);

    // An hour's graph with a finer minimum labels every ten minutes or less.
    time->setMinimumStep(1);
    time->setRange(0, 60);
    QApplication::processEvents();
    EXPECT_LE(time->labelStep(), 10);
    EXPECT_TRUE(time->categoriesLabels().contains("01.00"));
}

TEST_F(ChartFrameTest, HeadroomStandsAboveTheLargestValue) {
    QValueAxis *values = charts::addValueAxis(chart(), Qt::AlignLeft);
    const QList<qreal> weights{0, 70, 75};
    charts::scaleFromZero(*values, charts::smallestOf(weights), charts::largestOf(weights), 10);
    EXPECT_DOUBLE_EQ(values->min(), 0);
    EXPECT_DOUBLE_EQ(values->max(), 85);

    charts::scaleFromZero(*values, 0, 0, 0); // nothing to show still gives an axis
    EXPECT_DOUBLE_EQ(values->max(), 1);
    charts::scaleFromZero(*values, -40, 120, 0);
    EXPECT_DOUBLE_EQ(values->min(), -40);
}

TEST_F(ChartFrameTest, StackedLayersAreListedInTheLegend) {
    charts::BucketAxis *buckets = charts::addBucketAxis(chart(), days(3));
    charts::DurationAxis *time = charts::addDurationAxis(chart(), Qt::AlignLeft);
    std::vector<charts::BarLayer> layers;
    for (int zone = 1; zone <= 5; ++zone)
        layers.push_back({QString("Zone %1").arg(zone), QColor::fromHsv(zone * 60, 255, 200), {1, 2, 3}});
    QStackedBarSeries *stacked = charts::addStackedBars(chart(), *buckets, *time, layers);
    charts::showLegend(chart());

    ASSERT_EQ(stacked->barSets().size(), 5);
    EXPECT_EQ(stacked->barSets()[0]->label(), "Zone 1");
    EXPECT_EQ(stacked->barSets()[4]->color(), layers[4].colour);
    const auto markers = chart().legend()->markers();
    ASSERT_EQ(markers.size(), 5);
    EXPECT_EQ(markers[2]->label(), "Zone 3");
    EXPECT_TRUE(chart().legend()->isVisible());
    // The bucket axis still shows every bucket.
    EXPECT_DOUBLE_EQ(buckets->max(), 2.5);
}

TEST_F(ChartFrameTest, AGoalLineRunsOverTheBucketsWithADotOnEach) {
    charts::BucketAxis *buckets = charts::addBucketAxis(chart(), days(4));
    QValueAxis *values = charts::addValueAxis(chart(), Qt::AlignLeft);
    QLineSeries *goal = charts::addBucketLine(chart(), *buckets, *values, {5, 0, 7, 7}, Qt::blue);

    EXPECT_EQ(goal->points(), (QList<QPointF>{{0, 5}, {1, 0}, {2, 7}, {3, 7}}));
    EXPECT_TRUE(goal->pointsVisible());
    EXPECT_EQ(goal->pen().color(), QColor(Qt::blue));
    EXPECT_DOUBLE_EQ(buckets->min(), -0.5); // the line keeps the bars' range
    EXPECT_DOUBLE_EQ(buckets->max(), 3.5);
}

TEST_F(ChartFrameTest, APictureIsDrawnAtTheSizeAskedForAndTheChartKeepsItsOwn) {
    charts::BucketAxis *buckets = charts::addBucketAxis(chart(), days(3));
    QValueAxis *values = charts::addValueAxis(chart(), Qt::AlignLeft);
    const QColor bar = charts::colourFromValue(5414482);
    charts::addBars(chart(), *buckets, *values, {"", bar, {3, 3, 3}});
    charts::scaleFromZero(*values, 0, 3, 1);
    const QSizeF shown = chart().size();

    const QImage picture = charts::renderImage(chart(), QSize(640, 480));
    EXPECT_EQ(picture.size(), QSize(640, 480));
    EXPECT_EQ(chart().size(), shown);
    EXPECT_EQ(bar, QColor(82, 158, 82));
    int barPixels = 0;
    for (int y = 0; y < picture.height(); y += 2)
        for (int x = 0; x < picture.width(); x += 2)
            barPixels += picture.pixelColor(x, y) == bar;
    EXPECT_GT(barPixels, 1000);
}

TEST(DenseBarsTest, EachColumnShowsItsHighestBucketAndNoneGoesUnseen) {
    const QList<qreal> totals{1, 5, 2, 2, 9, 0, 3, 4, 0, 6};
    const struct {
        const char *name;
        double centreOfFirst, pixelsPerBucket;
        int left, right;
        std::vector<qsizetype> buckets; // shown by the columns from left to right
    } cases[] = {
        {"two buckets a pixel", 0.25, 0.5, 0, 5, {1, 2, 4, 7, 9}},
        {"three buckets in two pixels", 1.0 / 3, 2.0 / 3, 0, 7, {1, 1, 4, 4, 7, 7, 9}},
        {"a bucket two pixels wide", 1, 2, 0, 6, {0, 0, 1, 1, 2, 2}},
        {"columns beside the buckets", 0.25, 0.5, -2, 1, {1}},
    };
    for (const auto &c : cases) {
        std::vector<qsizetype> shown;
        for (const charts::BarColumn &column :
             charts::highestPerColumn(totals, c.centreOfFirst, c.pixelsPerBucket, c.left, c.right))
            shown.push_back(column.bucket);
        EXPECT_EQ(shown, c.buckets) << c.name;
    }
}

TEST_F(ChartFrameTest, TenYearsOfDailyBarsAreSolidOnScreenAndInPictures) {
    charts::BucketAxis *buckets = charts::addBucketAxis(chart(), days(3650));
    QValueAxis *values = charts::addValueAxis(chart(), Qt::AlignLeft);
    const QColor bar = charts::colourFromValue(5414482);
    charts::addBars(chart(), *buckets, *values, {"", bar, QList<qreal>(3650, 60.0)});
    charts::scaleFromZero(*values, 0, 60, 60);
    QApplication::processEvents();

    for (const QSize size : {chart().size().toSize(), QSize(640, 480)}) {
        const QImage picture = charts::renderImage(chart(), size);
        charts::layOut(chart(), size);
        // The lower half of the plot, where every day has its bar.
        const QRectF plot = chart().plotArea();
        const QRect below =
            QRectF(plot.left() + 2, plot.center().y() + 2, plot.width() - 4, plot.height() / 2 - 4)
                .toAlignedRect();
        int solid = 0;
        for (int y = below.top(); y < below.bottom(); y += 3)
            for (int x = below.left(); x < below.right(); ++x)
                solid += picture.pixelColor(x, y) == bar;
        const int all = below.width() * ((below.height() + 2) / 3);
        EXPECT_GT(solid, all * 95 / 100) << size.width() << " x " << size.height();
    }
}

} // namespace
