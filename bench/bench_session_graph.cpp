// The graph of one 90-minute joined activity (heart rate every 2 s, 2,700 samples, and a GPS
// track every 3.57 s, 1,500 samples): its samples read, its series and table derived, the chart
// built and drawn offscreen into a 640 x 480 picture, as the main window shows it and the save
// tool writes it.
#include "charts/ChartFrame.h"
#include "charts/ChartTools.h"
#include "core/Globals.h"
#include "platform/BatchInsert.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"
#include "sessionview/SessionAxisRange.h"
#include "sessionview/SessionGraphChart.h"
#include "sessionview/SessionGraphTitles.h"
#include "sessionview/SessionSamples.h"

#include "BenchmarkMain.h"

#include <QApplication>
#include <QChart>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace sessionview;
using Quantity = SessionGraphQuantity;

constexpr int kHeartRateSamples = 2700;
constexpr int kGpsSamples = 1500;

// One activity in a fresh database, gConn open on it.
SessionKey writeActivity() {
    static QTemporaryDir home;
    qputenv("RUNVELLA_HOME", home.path().toUtf8());
    platform::install::ensureDataFolder();
    gConn.open(platform::paths::databasePath());
    platform::db::Transaction transaction(gConn);
    gConn
        .prepare(
            "insert into sessions (Session_datetime, session_date, session_type, Duration, distance_unit) "
            "values ('2026-03-09 07:00:00', '2026-03-09', 20, 5400, 'mi')")
        .execute();
    const SessionKey key = gConn.lastInsertId();
    platform::db::BatchInsert samples(gConn, "sessiondata",
                                      {"session_prkey", "cum_duration", "data_type", "Hr", "Speed",
                                       "cum_distance", "Altitude", "Lat", "Long"});
    for (int i = 0; i < kHeartRateSamples; ++i)
        samples.add(key, 2.0 * i, 0, 130 + 25 * std::sin(i / 200.0), platform::db::Null{},
                    platform::db::Null{}, platform::db::Null{}, platform::db::Null{}, platform::db::Null{});
    for (int i = 0; i < kGpsSamples; ++i)
        samples.add(key, 3.57 * i + 1, 2, platform::db::Null{}, 6 + 2 * std::sin(i / 50.0), 0.006 * (i + 1),
                    300 + 100 * std::sin(i / 150.0), 45.5 + i * 1e-5, -73.5 - i * 1e-5);
    samples.flush();
    transaction.commit();
    return key;
}

SessionKey activity() {
    static const SessionKey key = writeActivity();
    return key;
}

const GraphPreferences kPreferences{QStringLiteral("km"), true, QStringLiteral(":")};

void BM_DeriveJoinedActivity(benchmark::State &state) {
    const std::vector<SessionSample> samples = ReadSessionSamples(activity());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            DeriveJoinedGraph(samples, Quantity::Speed, Quantity::HeartRate, kPreferences));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(samples.size()));
}
BENCHMARK(BM_DeriveJoinedActivity)->Unit(benchmark::kMillisecond);

// Read, derive, draw and picture: the whole graph of the activity.
void BM_SessionGraphPicture(benchmark::State &state) {
    const SessionKey key = activity();
    QChart chart;
    for (auto _ : state) {
        const std::vector<SessionSample> samples = ReadSessionSamples(key);
        const SessionGraphData data =
            DeriveJoinedGraph(samples, Quantity::Speed, Quantity::HeartRate, kPreferences);
        const PaceRange pace{5, 12};
        DrawSessionChart(
            chart,
            {data.left, AxisTitle(Quantity::Speed, kPreferences.unit),
             ScaleForSide(Quantity::Speed, data.left.points, kJoinedSession, pace)},
            ChartSide{data.right, AxisTitle(Quantity::HeartRate, kPreferences.unit),
                      ScaleForSide(Quantity::HeartRate, data.right.points, kJoinedSession, pace)},
            {TimeAxisTitles(kPreferences.timeSeparator), kPreferences.timeSeparator,
             DistanceAxisTitle(kPreferences.unit)},
            {samples.front().seconds, samples.back().seconds});
        gGraphTable = QStringList{TableHeadings(kJoinedSession, true, kPreferences.unit)} + data.lines;
        benchmark::DoNotOptimize(charts::renderImage(chart, charts::kPictureSize));
        // What the event loop does between two drawings: the old chart items go.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_SessionGraphPicture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    const int result = bench::RunWindowBenchmarks(argc, argv);
    gConn.close();
    return result;
}
