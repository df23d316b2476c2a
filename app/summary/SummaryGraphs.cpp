#include "summary/SummaryGraphs.h"

#include "core/Globals.h"
#include "core/Numbers.h"
#include "core/modHelpersDates.h"
#include "core/modLocalisation.h"
#include "summary/SummaryFrame.h"
#include "summary/SummaryValues.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>

#include <initializer_list>

namespace summary {
namespace {

using modLocalisation::LoadResString;

constexpr double kTwentyMinutes = 20;
constexpr double kTenMinutes = 10;

QChart *chartOf(const SummaryPane &pane) {
    return pane.TChart3 ? pane.TChart3->chart() : nullptr;
}

void setShown(QWidget *control, bool shown) {
    if (control)
        control->setVisible(shown);
}

// The summary lists above the pane shown, the controls of one activity's graph hidden.
void showSummaryChoice(const SummaryPane &pane) {
    setShown(pane.Combo1, true);
    setShown(pane.Combo2, true);
    setShown(pane.TChart3, true);
    for (QWidget *control :
         std::initializer_list<QWidget *>{pane.cmbGraph1, pane.cmbGraph2, pane.lblGraphLeft1,
                                          pane.lblGraphLeft2, pane.lblGraphRight1, pane.lblGraphRight2})
        setShown(control, false);
}

void captionSport(const SummaryPane &pane) {
    if (pane.Label1)
        pane.Label1->setText(LoadResString(1367));
}

// "Time (hh:mm)" and the like: a heading over clock readings.
QString clockHeading(const QString &heading) {
    return heading + QStringLiteral(" (") + LoadResString(1587) + ':' + LoadResString(1588) + ')';
}

QString timeHeading() {
    return clockHeading(LoadResString(1385));
}

QStringList bucketLabels(const BucketRange &buckets, const DateLabels &dates) {
    QStringList labels;
    labels.reserve(buckets.count());
    for (int i = 0; i < buckets.count(); ++i)
        labels.append(dates.monthDay(buckets.start(i)));
    return labels;
}

QString rounded3(double value) {
    return NumberText(Numbers::roundHalfEven(value, 3));
}

Goal zoneGoal(int zone) {
    return static_cast<Goal>(static_cast<int>(Goal::Zone1) + zone - 1);
}

// A weekly goal graph of durations: bars of the week's seconds, a line of its goal.
void drawWeeklyTimeGoals(SummaryChart &chart, const std::vector<BucketTotal> &totals,
                         const QStringList &firstColumn, double headroom) {
    QList<qreal> values, goals;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        const ClockReading time = ClockOfSeconds(totals[i].value);
        const ClockReading goal = ClockOfSeconds(totals[i].goal);
        values.append(time.minutes);
        goals.append(goal.minutes);
        gGraphTable.append(firstColumn[i] + '\t' + time.text + '\t' + goal.text);
    }
    chart.addBars(values);
    chart.addGoals(goals);
    chart.finish(headroom);
}

// A daily graph of one time in each zone, stacked.
void drawZones(const SummaryPane &pane, std::optional<std::int64_t> sport, int dateHeading) {
    QStringList titles;
    QString headings = LoadResString(dateHeading) + '\t';
    for (int zone = 1; zone <= kZones; ++zone) {
        titles.append(LoadResString(1357 + zone));
        headings += clockHeading(titles.back()) + '\t';
    }
    gGraphTable = QStringList{headings};
    const BucketRange days = BucketRange::Days(gPeriodStart, gPeriodEnd);
    const QStringList labels = bucketLabels(days, DateLabels());
    SummaryChart chart(chartOf(pane), days, ValueKind::Duration, QString());

    const std::vector<ZoneSeconds> totals = ZoneTimes(days, sport);
    std::array<QList<qreal>, kZones> zones;
    for (int i = 0; i < days.count(); ++i) {
        QString line = labels[i];
        for (int zone = 0; zone < kZones; ++zone) {
            const ClockReading time = ClockOfSeconds(totals[i][zone]);
            zones[zone].append(time.minutes);
            line += '\t' + time.text;
        }
        gGraphTable.append(line);
    }
    chart.addZones(zones, titles);
    chart.finish(kTenMinutes);
}

// A graph of a plain number per bucket, listed as text() writes it.
void drawNumbers(SummaryChart &chart, const std::vector<BucketTotal> &totals, const QStringList &firstColumn,
                 double headroom, QString (*text)(double) = NumberText) {
    QList<qreal> values;
    for (std::size_t i = 0; i < totals.size(); ++i) {
        values.append(totals[i].value);
        gGraphTable.append(firstColumn[i] + '\t' + text(totals[i].value));
    }
    chart.addBars(values);
    chart.finish(headroom);
}

void drawMeasure(const SummaryPane &pane, Measure measure) {
    const bool weight = measure == Measure::Weight;
    const QString heading = LoadResString(weight ? 1379 : 1380);
    gGraphTable = QStringList{LoadResString(weight ? 1384 : 1409) + '\t' + heading};
    const BucketRange days = BucketRange::Days(gPeriodStart, gPeriodEnd);
    const QStringList labels = bucketLabels(days, DateLabels());
    SummaryChart chart(chartOf(pane), days, ValueKind::Number, heading);
    drawNumbers(chart, DailyMeasure(days, measure), labels, weight ? 10 : 5);
}

// The first column of a table: each bucket's day with its year.
QStringList withYears(const BucketRange &buckets, const DateLabels &dates) {
    QStringList column;
    column.reserve(buckets.count());
    for (int i = 0; i < buckets.count(); ++i)
        column.append(dates.withYear(buckets.start(i)));
    return column;
}

} // namespace

void showMonthlyChart(SummaryPane &pane, QDate start, QDate end, bool) {
    RunGraph(1502, [&] {
        gCurrentGraph = QStringLiteral("monthly");
        showSummaryChoice(pane);
        setShown(pane.lblSelectGraph, true);
        setShown(pane.GraphLabel, false);

        gGraphTable = QStringList{LoadResString(1409) + '\t' + timeHeading() + '\t' +
                                  clockHeading(LoadResString(1624))};
        const BucketRange weeks = BucketRange::Weeks(start, end);
        const QStringList labels = bucketLabels(weeks, DateLabels());
        SummaryChart chart(chartOf(pane), weeks, ValueKind::Duration, LoadResString(1351),
                           LoadResString(1352));
        std::vector<BucketTotal> totals = ActivityTime(weeks);
        AddGoals(totals, weeks, Goal::ActivityTime);
        drawWeeklyTimeGoals(chart, totals, labels, kTwentyMinutes);
    });
}

void graphTimeinZonesbyWeek(SummaryPane &pane, int zone) {
    RunGraph(1497, [&] {
        gCurrentGraph = QStringLiteral("graphTimeinZonesbyWeek");
        showSummaryChoice(pane);
        setShown(pane.GraphLabel, false);

        const QString title = LoadResString(1465) + ' ' + QString::number(zone);
        gGraphTable = QStringList{LoadResString(1341) + '\t' + clockHeading(title) + '\t' +
                                  clockHeading(LoadResString(1624))};
        const BucketRange weeks = BucketRange::Weeks(gPeriodStart, gPeriodEnd);
        const DateLabels dates;
        SummaryChart chart(chartOf(pane), weeks, ValueKind::Duration, title, LoadResString(1352));
        std::vector<BucketTotal> totals = ZoneTime(weeks, zone);
        AddGoals(totals, weeks, zoneGoal(zone));
        QStringList firstColumn;
        for (int i = 0; i < weeks.count(); ++i)
            firstColumn.append(dates.shortDate(weeks.start(i)));
        drawWeeklyTimeGoals(chart, totals, firstColumn, kTenMinutes);
    });
}

void graphWeeklyDistance(SummaryPane &pane) {
    RunGraph(1495, [&] {
        gCurrentGraph = QStringLiteral("weeklyDistance");
        showSummaryChoice(pane);

        const QString heading = WithUnit(1387, gPrimaryUnit);
        gGraphTable = QStringList{LoadResString(1341) + '\t' + heading + '\t' + WithUnit(1624, gPrimaryUnit)};
        const BucketRange weeks = BucketRange::Weeks(gPeriodStart, gPeriodEnd);
        const DateLabels dates;
        SummaryChart chart(chartOf(pane), weeks, ValueKind::Number, heading, LoadResString(1352));
        std::vector<BucketTotal> totals = Distances(weeks, gPrimaryUnit, std::nullopt, Precision::Single);
        AddGoals(totals, weeks, Goal::Distance);

        const QStringList firstColumn = withYears(weeks, dates);
        QList<qreal> values, goals;
        for (int i = 0; i < weeks.count(); ++i) {
            values.append(totals[i].value);
            goals.append(totals[i].goal);
            gGraphTable.append(firstColumn[i] + '\t' + rounded3(totals[i].value) + '\t' +
                               rounded3(totals[i].goal));
        }
        chart.addBars(values);
        chart.addGoals(goals);
        chart.finish(0.5);
    });
}

void graphWeeklyDistancebySport(SummaryPane &pane, std::int64_t sport) {
    RunGraph(1494, [&] {
        captionSport(pane);
        const QString heading = WithUnit(1387, gPrimaryUnit);
        gGraphTable = QStringList{LoadResString(1341) + '\t' + heading};
        const BucketRange weeks = BucketRange::Weeks(gPeriodStart, gPeriodEnd);
        const DateLabels dates;
        SummaryChart chart(chartOf(pane), weeks, ValueKind::Number, heading, LoadResString(1352));
        drawNumbers(chart, Distances(weeks, gPrimaryUnit, sport, Precision::Double), withYears(weeks, dates),
                    0.25, rounded3);
    });
}

void graphTimeinZones(SummaryPane &pane) {
    RunGraph(1498, [&] {
        gCurrentGraph = QStringLiteral("graphTimeinZones");
        drawZones(pane, std::nullopt, 1409);
    });
}

void graphTimeinZonesbySport(SummaryPane &pane, std::int64_t sport) {
    RunGraph(1496, [&] {
        captionSport(pane);
        drawZones(pane, sport, 1384);
    });
}

void showWeeklyChart(SummaryPane &pane, QDate start, QDate end, bool wholeWeek) {
    RunGraph(1502, [&] {
        gCurrentGraph = QStringLiteral("weekly");
        showSummaryChoice(pane);
        setShown(pane.GraphLabel, false);
        setShown(pane.Label1, false);
        setShown(pane.Combo3, false);
        if (wholeWeek) {
            start = modHelpers::GetWeekStart(start);
            end = start.addDays(6);
        }

        gGraphTable = QStringList{LoadResString(1384) + '\t' + timeHeading()};
        const BucketRange days = BucketRange::Days(start, end);
        const DateLabels dates;
        SummaryChart chart(chartOf(pane), days, ValueKind::Duration, LoadResString(1463));
        const std::vector<BucketTotal> totals = ActivityTime(days);
        const QStringList firstColumn = withYears(days, dates);
        QList<qreal> values;
        for (int i = 0; i < days.count(); ++i) {
            const ClockReading time = ClockOfSeconds(totals[i].value);
            values.append(time.minutes);
            gGraphTable.append(firstColumn[i] + '\t' + time.text);
        }
        chart.addBars(values);
        chart.finish(kTwentyMinutes);
    });
}

void graphDailyDistance(SummaryPane &pane) {
    RunGraph(1493, [&] {
        gCurrentGraph = QStringLiteral("graphDailyDistance");
        setShown(pane.Combo3, false);
        setShown(pane.Label1, false);

        const QString heading = WithUnit(1363, gPrimaryUnit);
        gGraphTable = QStringList{LoadResString(1384) + '\t' + heading};
        const BucketRange days = BucketRange::Days(gPeriodStart, gPeriodEnd);
        const QStringList labels = bucketLabels(days, DateLabels());
        SummaryChart chart(chartOf(pane), days, ValueKind::Number, heading);
        std::vector<BucketTotal> totals = Distances(days, gPrimaryUnit, std::nullopt, Precision::Single);
        // The day's total is plotted as it is listed, to 3 decimals.
        for (BucketTotal &total : totals)
            total.value = Numbers::toSingle(Numbers::roundHalfEven(total.value, 3));
        drawNumbers(chart, totals, labels, 1, rounded3);
    });
}

void graphBodyWeight(SummaryPane &pane) {
    RunGraph(1492, [&] {
        gCurrentGraph = QStringLiteral("graphBodyWeight");
        drawMeasure(pane, Measure::Weight);
    });
}

void graphRestingPulse(SummaryPane &pane) {
    RunGraph(1499, [&] {
        gCurrentGraph = QStringLiteral("graphRestingPulse");
        drawMeasure(pane, Measure::RestingPulse);
    });
}

void graphMaxAltitude(SummaryPane &pane) {
    RunGraph(1500, [&] {
        gCurrentGraph = QStringLiteral("graphMaxAltitude");
        gPrimaryUnit = StoredPreferredUnit();
        const QString heading =
            LoadResString(gPrimaryUnit.compare(QLatin1String("km"), Qt::CaseInsensitive) == 0 ? 1646 : 1645);
        gGraphTable = QStringList{LoadResString(1409) + '\t' + heading};
        const BucketRange days = BucketRange::Days(gPeriodStart, gPeriodEnd);
        const DateLabels dates;
        SummaryChart chart(chartOf(pane), days, ValueKind::Number, heading);
        // No headroom: the axis just holds the highest day.
        drawNumbers(chart, HighestAltitude(days, gPrimaryUnit, gUseSmoothing), withYears(days, dates), 0);
    });
}

} // namespace summary
