#include "summary/SummaryGraphs.h"

#include "SummaryFixture.h"
#include "charts/BucketAxis.h"
#include "common/ScriptedDialogs.h"
#include "platform/BusyCursor.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLegend>
#include <QStackedBarSeries>
#include <QValueAxis>

namespace {

using namespace summary;

class SummaryGraphsTest : public SummaryFixture {
protected:
    void SetUp() override {
        SummaryFixture::SetUp();
        view.resize(700, 400);
        pane.TChart3 = &view;
        pane.Combo3 = &combo3;
        pane.Label1 = &label1;
    }

    void period(QDate start, QDate end) {
        gPeriodStart = start;
        gPeriodEnd = end;
    }

    QValueAxis *valueAxis() {
        const auto axes = view.chart()->axes(Qt::Vertical);
        return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis *>(axes.front());
    }

    QList<qreal> bars(int series = 0) {
        const auto all = view.chart()->series();
        auto *barSeries = qobject_cast<QAbstractBarSeries *>(all.value(series));
        if (!barSeries || barSeries->barSets().isEmpty())
            return {};
        QList<qreal> values;
        for (int i = 0; i < barSeries->barSets().front()->count(); ++i)
            values.append(barSeries->barSets().front()->at(i));
        return values;
    }

    QChartView view;
    QComboBox combo3;
    QLabel label1;
    SummaryPane pane;
};

TEST_F(SummaryGraphsTest, WeeklyActivityTimeListsEveryWeekWithItsGoal) {
    add({.day = "2026-02-23", .duration = 3599});
    add({.day = "2026-03-10", .duration = 108000}); // 30 hours in one week
    addGoal("2026-03-09", "time_target", 36000);
    period({2026, 3, 1}, {2026, 3, 15});
    showMonthlyChart(pane, gPeriodStart, gPeriodEnd, false);

    EXPECT_EQ(gGraphTable, (QStringList{"Date\tTime (hh:mm)\tGoals (hh:mm)", "2/23\t00:59\t00:00",
                                        "3/2\t00:00\t00:00", "3/9\t30:00\t10:00"}));
    EXPECT_EQ(gCurrentGraph, "monthly");
    EXPECT_EQ(bars(), (QList<qreal>{59, 0, 1800}));
    EXPECT_DOUBLE_EQ(valueAxis()->max(), 1820); // twenty minutes above the longest week
    EXPECT_EQ(view.chart()->series().size(), 2);
    EXPECT_FALSE(platform::cursor::isBusy());
}

TEST_F(SummaryGraphsTest, WeeklyGraphsLeaveThePeriodAsItWasSoARedrawGivesTheSameGraph) {
    add({.day = "2026-03-10", .distance = 2, .unit = "mi", .zones = {0, 0, 600, 0, 0}});
    period({2026, 3, 4}, {2026, 3, 10}); // Wednesday to the Tuesday after
    graphTimeinZonesbyWeek(pane, 3);
    const QStringList first = gGraphTable;
    EXPECT_EQ(first.size(), 3) << "both weeks, the last one too";
    EXPECT_EQ(first[2], "3/9/26\t00:10\t00:00");
    graphWeeklyDistance(pane);
    EXPECT_EQ(gGraphTable,
              (QStringList{"Week\tDistance (mi)\tGoals (mi)", "3/2/2026\t0\t0", "3/9/2026\t2\t0"}));
    graphTimeinZonesbyWeek(pane, 3);
    EXPECT_EQ(gGraphTable, first);
    EXPECT_EQ(gPeriodStart, QDate(2026, 3, 4));
    EXPECT_DOUBLE_EQ(valueAxis()->max(), 20);
}

TEST_F(SummaryGraphsTest, DailyTimeInZonesStacksFiveZonesAndListsThem) {
    add({.day = "2026-03-04", .sport = 1, .zones = {59, 60, 1800, std::nullopt, 300}});
    add({.day = "2026-03-05", .sport = 2, .zones = {600, 0, 0, 0, 0}});
    period({2026, 3, 4}, {2026, 3, 5});
    graphTimeinZones(pane);

    EXPECT_EQ(gGraphTable, (QStringList{"Date\tZone 1 (hh:mm)\tZone 2 (hh:mm)\tZone 3 (hh:mm)\tZone 4 "
                                        "(hh:mm)\tZone 5 (hh:mm)\t",
                                        "3/4\t00:00\t00:01\t00:30\t00:00\t00:05",
                                        "3/5\t00:10\t00:00\t00:00\t00:00\t00:00"}));
    auto *stacked = qobject_cast<QStackedBarSeries *>(view.chart()->series().value(0));
    ASSERT_TRUE(stacked);
    EXPECT_EQ(stacked->barSets().size(), 5);
    EXPECT_EQ(stacked->barSets()[4]->color(), QColor(255, 0, 0));
    EXPECT_TRUE(view.chart()->legend()->isVisible());
    EXPECT_DOUBLE_EQ(valueAxis()->max(), 46); // 36 minutes stacked plus ten

    graphTimeinZonesbySport(pane, 2);
    EXPECT_EQ(gGraphTable[1], "3/4\t00:00\t00:00\t00:00\t00:00\t00:00");
    EXPECT_EQ(gGraphTable[2], "3/5\t00:10\t00:00\t00:00\t00:00\t00:00");
    EXPECT_EQ(label1.text(), "Sport");
}

TEST_F(SummaryGraphsTest, DailyActivityTimeCoversTheWholeWeekWhenAsked) {
    add({.day = "2026-03-02", .duration = 3600});
    showWeeklyChart(pane, {2026, 3, 4}, {2026, 3, 4}, true);
    EXPECT_EQ(gGraphTable.size(), 8);
    EXPECT_EQ(gGraphTable[1], "3/2/2026\t01:00");
    EXPECT_EQ(gCurrentGraph, "weekly");
    EXPECT_FALSE(combo3.isVisibleTo(&view));
    showWeeklyChart(pane, {2026, 3, 4}, {2026, 3, 4}, false);
    EXPECT_EQ(gGraphTable, (QStringList{"Date\tTime (hh:mm)", "3/4/2026\t00:00"}));
}

TEST_F(SummaryGraphsTest, DistancesArePlottedInThePreferredUnit) {
    gPrimaryUnit = "km";
    add({.day = "2026-03-04", .distance = 1, .unit = "km"});
    add({.day = "2026-03-04", .distance = 1, .unit = "MI"});
    period({2026, 3, 4}, {2026, 3, 5});
    graphDailyDistance(pane);
    EXPECT_EQ(gGraphTable, (QStringList{"Date\tDistance (km)", "3/4\t2.609", "3/5\t0"}));
    EXPECT_NEAR(bars()[0], 2.609, 1e-6);
    EXPECT_NEAR(valueAxis()->max(), 3.609, 1e-6);

    graphWeeklyDistancebySport(pane, 1);
    EXPECT_EQ(gGraphTable, (QStringList{"Week\tDistance (km)", "3/2/2026\t2.609"}));
    EXPECT_NEAR(valueAxis()->max(), 2.859344, 1e-6);
}

TEST_F(SummaryGraphsTest, DaysOverMoreThanAYearCarryTheirYearOnTheAxisButNotInTheTable) {
    struct Case {
        QDate start, end;
        const char *firstLabel, *lastLabel;
    } cases[] = {
        {{2026, 3, 4}, {2026, 3, 5}, "3/4", "3/5"},
        {{2025, 1, 1}, {2025, 12, 31}, "1/1", "12/31"},           // one year: every day once
        {{2025, 1, 1}, {2026, 1, 1}, "1/1/2025", "1/1/2026"},     // the first day comes again
        {{2016, 1, 1}, {2025, 12, 31}, "1/1/2016", "12/31/2025"}, // ten years
    };
    for (const Case &c : cases) {
        period(c.start, c.end);
        graphDailyDistance(pane);
        const QStringList labels =
            static_cast<charts::BucketAxis *>(view.chart()->axes(Qt::Horizontal).front())->buckets();
        EXPECT_EQ(labels.front(), c.firstLabel);
        EXPECT_EQ(labels.back(), c.lastLabel);
        EXPECT_EQ(gGraphTable[1], QString("%1/%2\t0").arg(c.start.month()).arg(c.start.day()));
    }
}

TEST_F(SummaryGraphsTest, BodyMeasuresGiveTheirHeadroomAndSkipEmptyValues) {
    addDaily("2026-03-04", 70, std::nullopt);
    addDaily("2026-03-06", 75, 48);
    period({2026, 3, 4}, {2026, 3, 6});
    graphBodyWeight(pane);
    EXPECT_EQ(gGraphTable, (QStringList{"Date\tWeight", "3/4\t70", "3/5\t0", "3/6\t75"}));
    EXPECT_DOUBLE_EQ(valueAxis()->max(), 85);
    graphRestingPulse(pane);
    EXPECT_EQ(gGraphTable, (QStringList{"Date\tResting Heart Rate", "3/4\t0", "3/5\t0", "3/6\t48"}));
    EXPECT_DOUBLE_EQ(valueAxis()->max(), 53);
    EXPECT_EQ(gCurrentGraph, "graphRestingPulse");
}

TEST_F(SummaryGraphsTest, TheAltitudeGraphReadsThePreferredUnitAfresh) {
    gConn.executeScript("update preferences set Primary_Unit = 'km'");
    addAltitudes(add({.day = "2026-03-04"}), {100, 200, 200});
    period({2026, 3, 4}, {2026, 3, 5});
    graphMaxAltitude(pane);
    EXPECT_EQ(gPrimaryUnit, "km");
    EXPECT_EQ(gGraphTable, (QStringList{"Date\tAltitude (meters)", "3/4/2026\t41", "3/5/2026\t0"}));
}

TEST_F(SummaryGraphsTest, AFailureShowsTheGraphsOwnMessageOnce) {
    addDaily("2026-03-04", 70, 48);
    period({2026, 3, 4}, {2026, 3, 10});
    graphBodyWeight(pane);
    ASSERT_FALSE(bars().isEmpty());
    testing::ScriptedDialogs dialogs;
    gConn.executeScript("alter table weeklyData rename to weeklyGoals");
    showMonthlyChart(pane, gPeriodStart, gPeriodEnd, false);
    graphTimeinZonesbyWeek(pane, 9);
    ASSERT_EQ(dialogs.shown().size(), 2u);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith("An error occurred graphing Weekly Time\n"))
        << dialogs.shown()[0].text.toStdString();
    EXPECT_TRUE(dialogs.shown()[0].text.contains("weeklyData"));
    EXPECT_TRUE(dialogs.shown()[1].text.startsWith("An error occurred graphing Time in Zones by Week 5 "));
    EXPECT_EQ(gGraphTable.size(), 1) << "the headings stay";
    EXPECT_TRUE(view.chart()->series().isEmpty()) << "the last graph's bars are gone";
    EXPECT_FALSE(platform::cursor::isBusy());
}

TEST_F(SummaryGraphsTest, WithoutAChartOnlyTheTableIsWritten) {
    add({.day = "2026-03-04", .duration = 60});
    period({2026, 3, 4}, {2026, 3, 4});
    SummaryPane noChart;
    showWeeklyChart(noChart, gPeriodStart, gPeriodEnd, false);
    EXPECT_EQ(gGraphTable, (QStringList{"Date\tTime (hh:mm)", "3/4/2026\t00:01"}));
}

} // namespace
