#pragma once

#include <QDate>

#include <cstdint>

class QChartView;
class QComboBox;
class QLabel;
class QWidget;

// The eleven summary graphs of the main window's graph pane. Each routine draws its graph for the
// period (gPeriodStart to gPeriodEnd unless it takes its own dates), rewrites gGraphTable, sets
// gCurrentGraph and reports its own failures.
namespace summary {

// The main window's controls that the summary graphs draw into, show or hide.
struct SummaryPane {
    QChartView *TChart3 = nullptr;
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    QComboBox *Combo3 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblSelectGraph = nullptr;
    QLabel *GraphLabel = nullptr;
    QComboBox *cmbGraph1 = nullptr;
    QComboBox *cmbGraph2 = nullptr;
    QLabel *lblGraphLeft1 = nullptr;
    QLabel *lblGraphLeft2 = nullptr;
    QLabel *lblGraphRight1 = nullptr;
    QLabel *lblGraphRight2 = nullptr;
};

void showMonthlyChart(SummaryPane &pane, QDate start, QDate end, bool flag);
void graphWeeklyDistancebySport(SummaryPane &pane, std::int64_t sport);
void graphWeeklyDistance(SummaryPane &pane);
void graphBodyWeight(SummaryPane &pane);
void graphRestingPulse(SummaryPane &pane);
void graphTimeinZones(SummaryPane &pane);
void graphTimeinZonesbySport(SummaryPane &pane, std::int64_t sport);
void showWeeklyChart(SummaryPane &pane, QDate start, QDate end, bool flag);
void graphTimeinZonesbyWeek(SummaryPane &pane, int zone);
void graphDailyDistance(SummaryPane &pane);
void graphMaxAltitude(SummaryPane &pane);

} // namespace summary
