#include "summary/SummaryGraphs.h"

#include <QChartView>

namespace summary {
namespace {

void clear(SummaryPane &pane) {
    if (pane.TChart3)
        pane.TChart3->chart()->removeAllSeries();
}

} // namespace

void showMonthlyChart(SummaryPane &pane, QDate, QDate, bool) {
    clear(pane);
}
void graphWeeklyDistancebySport(SummaryPane &pane, std::int64_t) {
    clear(pane);
}
void graphWeeklyDistance(SummaryPane &pane) {
    clear(pane);
}
void graphBodyWeight(SummaryPane &pane) {
    clear(pane);
}
void graphRestingPulse(SummaryPane &pane) {
    clear(pane);
}
void graphTimeinZones(SummaryPane &pane) {
    clear(pane);
}
void graphTimeinZonesbySport(SummaryPane &pane, std::int64_t) {
    clear(pane);
}
void showWeeklyChart(SummaryPane &pane, QDate, QDate, bool) {
    clear(pane);
}
void graphTimeinZonesbyWeek(SummaryPane &pane, int) {
    clear(pane);
}
void graphDailyDistance(SummaryPane &pane) {
    clear(pane);
}
void graphMaxAltitude(SummaryPane &pane) {
    clear(pane);
}

} // namespace summary
