// The summary graphs over a ten-year log (bench/TenYearLog): each graph's data and table of lines
// for the whole ten years (the altitude graph, which reads every GPS sample, also for one year), the
// ten-year daily activity time drawn into a picture, each graph drawn for the last year, and the
// main window's load. The log is written once per run, before the first benchmark.
//
// RUNVELLA_BENCH_PICTURE=<file.png> also saves "Daily activity time" over the last year as a
// picture of 800 x 500 pixels, to look at its labels.
#include "BenchmarkMain.h"
#include "TenYearLog.h"

#include "charts/ChartFrame.h"
#include "core/Globals.h"
#include "core/modPreferences.h"
#include "mainwindow/frmMain.h"
#include "summary/SummaryGraphs.h"

#include <QApplication>
#include <QChart>
#include <QChartView>

#include <benchmark/benchmark.h>

#include <functional>

namespace {

using Graph = std::function<void(summary::SummaryPane &)>;

const QSize kPicture(800, 500);

const bench::TenYearLog &log() {
    static const bench::TenYearLog &written = []() -> const bench::TenYearLog & {
        const bench::TenYearLog &log = bench::OpenTenYearLog(QDate::currentDate());
        modPreferences::LoadPreferences();
        return log;
    }();
    return written;
}

void tenYears() {
    gPeriodStart = log().firstDay;
    gPeriodEnd = log().lastDay;
}

void lastYear() {
    gPeriodStart = log().lastDay.addDays(-364);
    gPeriodEnd = log().lastDay;
}

// The eleven graphs, as the main window's graph list names them.
const std::vector<std::pair<const char *, Graph>> &graphs() {
    using namespace summary;
    static const std::vector<std::pair<const char *, Graph>> all{
        {"WeeklyActivityTimeGoals",
         [](SummaryPane &pane) { showMonthlyChart(pane, gPeriodStart, gPeriodEnd, false); }},
        {"WeeklyDistanceGoals", [](SummaryPane &pane) { graphWeeklyDistance(pane); }},
        {"WeeklyZoneGoals", [](SummaryPane &pane) { graphTimeinZonesbyWeek(pane, 3); }},
        {"WeeklyDistanceBySport", [](SummaryPane &pane) { graphWeeklyDistancebySport(pane, 1); }},
        {"DailyTimeInZones", [](SummaryPane &pane) { graphTimeinZones(pane); }},
        {"DailyTimeInZonesBySport", [](SummaryPane &pane) { graphTimeinZonesbySport(pane, 1); }},
        {"DailyDistance", [](SummaryPane &pane) { graphDailyDistance(pane); }},
        {"DailyActivityTime",
         [](SummaryPane &pane) { showWeeklyChart(pane, gPeriodStart, gPeriodEnd, false); }},
        {"DailyBodyWeight", [](SummaryPane &pane) { graphBodyWeight(pane); }},
        {"DailyRestingPulse", [](SummaryPane &pane) { graphRestingPulse(pane); }},
        {"DailyHighestAltitude", [](SummaryPane &pane) { graphMaxAltitude(pane); }},
    };
    return all;
}

// A graph's data and its table of lines, without a chart.
void BM_GraphData(benchmark::State &state, const Graph &graph, bool wholeLog) {
    log();
    summary::SummaryPane noChart;
    for (auto _ : state) {
        wholeLog ? tenYears() : lastYear();
        graph(noChart);
    }
    state.counters["lines"] = static_cast<double>(gGraphTable.size());
}

// A graph drawn on a chart of the pane's size and painted into a picture.
void BM_GraphDrawn(benchmark::State &state, const Graph &graph, bool wholeLog) {
    log();
    QChartView view;
    view.resize(kPicture);
    summary::SummaryPane pane;
    pane.TChart3 = &view;
    for (auto _ : state) {
        wholeLog ? tenYears() : lastYear();
        graph(pane);
        benchmark::DoNotOptimize(charts::renderImage(*view.chart(), kPicture));
        // The chart hands the axes and series it replaced to the event loop to delete; left
        // there, they would pile up and every later draw would carry them.
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

// The main window created, loaded with today's activities listed and its first summary graph
// drawn, and painted once.
void BM_MainWindowLoad(benchmark::State &state) {
    log();
    for (auto _ : state) {
        frmMain window;
        window.Form_Load();
        // Until the window draws its first graph itself, it is drawn as the window will.
        if (window.TChart3->chart()->series().isEmpty()) {
            gPeriodStart = QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1);
            gPeriodEnd = gPeriodStart.addMonths(1).addDays(-1);
            summary::SummaryPane pane{window.TChart3,       window.Combo1,        window.Combo2,
                                      window.Combo3,        window.Label1,        window.lblSelectGraph,
                                      window.GraphLabel,    window.cmbGraph1,     window.cmbGraph2,
                                      window.lblGraphLeft1, window.lblGraphLeft2, window.lblGraphRight1,
                                      window.lblGraphRight2};
            summary::showMonthlyChart(pane, gPeriodStart, gPeriodEnd, false);
        }
        window.show();
        QApplication::processEvents();
        state.PauseTiming();
        window.close();
        state.ResumeTiming();
    }
}

void savePicture(const QString &path) {
    log();
    QChartView view;
    view.resize(kPicture);
    summary::SummaryPane pane;
    pane.TChart3 = &view;
    lastYear();
    summary::showWeeklyChart(pane, gPeriodStart, gPeriodEnd, false);
    charts::renderImage(*view.chart(), kPicture).save(path);
}

void registerBenchmarks() {
    for (const auto &[name, graph] : graphs()) {
        benchmark::RegisterBenchmark((std::string("GraphData/") + name + "/TenYears").c_str(), BM_GraphData,
                                     graph, true)
            ->Unit(benchmark::kMillisecond);
        if (std::string(name) == "DailyHighestAltitude")
            benchmark::RegisterBenchmark((std::string("GraphData/") + name + "/OneYear").c_str(),
                                         BM_GraphData, graph, false)
                ->Unit(benchmark::kMillisecond);
    }
    for (const auto &[name, graph] : graphs()) {
        if (std::string(name) == "DailyActivityTime")
            benchmark::RegisterBenchmark("GraphDrawn/DailyActivityTime/TenYears", BM_GraphDrawn, graph, true)
                ->Unit(benchmark::kMillisecond);
    }
    for (const auto &[name, graph] : graphs())
        benchmark::RegisterBenchmark((std::string("GraphDrawn/") + name + "/LastYear").c_str(), BM_GraphDrawn,
                                     graph, false)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("MainWindowLoad", BM_MainWindowLoad)->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char **argv) {
    const int result = bench::RunWindowBenchmarks(argc, argv, [] {
        if (const QString picture = qEnvironmentVariable("RUNVELLA_BENCH_PICTURE"); !picture.isEmpty())
            savePicture(picture);
        registerBenchmarks();
    });
    gConn.close();
    return result;
}
