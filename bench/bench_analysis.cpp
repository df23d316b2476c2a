// The course statistics and the track plot of a three-hour GPS activity of 3,000 fixes, read
// from a fresh database: what the athlete waits for when either window opens (markers
// every kilometre, 32 of them).
#include "analysis/CourseSamples.h"
#include "analysis/CourseStatistics.h"
#include "analysis/frmPlotTrack.h"
#include "analysis/frmStats.h"
#include "charts/ChartFrame.h"
#include "charts/ChartView.h"
#include "core/Globals.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"

#include "BenchmarkMain.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>

namespace {

constexpr int kFixes = 3000;
constexpr double kSeconds = 3 * 3600;
constexpr double kMiles = 20;

// A loop of 20 miles with a hill, one fix every 3.6 s; every 50th fix is not a fixed position.
SessionKey storeActivity() {
    gConn
        .prepare("insert into sessions (Session_datetime, session_date, session_type, Duration, Distance, "
                 "distance_unit) values ('2026-03-09 07:00:00', '2026-03-09', 20, ?, ?, 'mi')")
        .bindAll(kSeconds, kMiles)
        .execute();
    const SessionKey key = gConn.lastInsertId();
    platform::db::Transaction transaction(gConn);
    auto gps =
        gConn.prepare("insert into sessiondata (session_prkey, cum_duration, data_type, Speed, cum_distance, "
                      "Altitude, Lat, Long, ACQStatus) values (?, ?, 2, ?, ?, ?, ?, ?, ?)");
    for (int i = 0; i < kFixes; ++i) {
        const double share = static_cast<double>(i) / kFixes;
        const double angle = 2 * std::numbers::pi * share;
        gps.bindAll(key, kSeconds * share, kMiles / 3, kMiles * share, 300 + 200 * std::sin(3 * angle),
                    45 + 0.05 * std::sin(angle), -73 + 0.07 * std::cos(angle), i % 50 == 49 ? 1 : 3);
        gps.execute();
        gps.reset();
    }
    auto heartRate = gConn.prepare(
        "insert into sessiondata (session_prkey, cum_duration, data_type, Hr) values (?, ?, 0, ?)");
    for (int i = 0; i < kSeconds / 2; ++i) {
        heartRate.bindAll(key, 2.0 * i, 120 + i % 40);
        heartRate.execute();
        heartRate.reset();
    }
    transaction.commit();
    return key;
}

class ThreeHourActivity : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State &) override {
        qputenv("RUNVELLA_HOME", home_.path().toUtf8());
        platform::install::ensureDataFolder();
        gConn.open(platform::paths::databasePath());
        gPrimaryUnit = "km";
        gCurrentSessionKey = storeActivity();
    }
    void TearDown(const benchmark::State &) override { gConn.close(); }

private:
    QTemporaryDir home_;
};

// The computation alone, samples read and rows made, for markers every quarter kilometre.
BENCHMARK_DEFINE_F(ThreeHourActivity, CourseStatistics)(benchmark::State &state) {
    const analysis::CourseSettings settings{
        .interval = 0.25f, .unit = gPrimaryUnit, .withPositions = true, .withHeartRate = true};
    for (auto _ : state) {
        const auto rows = analysis::FillData(analysis::ReadCourseSamples(gCurrentSessionKey),
                                             analysis::ReadHeartRateSamples(gCurrentSessionKey), settings);
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["fixes"] = kFixes;
}
BENCHMARK_REGISTER_F(ThreeHourActivity, CourseStatistics)->Unit(benchmark::kMillisecond);

// The statistics window as it opens: columns, rows and the list filled.
BENCHMARK_DEFINE_F(ThreeHourActivity, StatisticsWindow)(benchmark::State &state) {
    for (auto _ : state) {
        frmStats window;
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK_REGISTER_F(ThreeHourActivity, StatisticsWindow)->Unit(benchmark::kMillisecond);

// The track plot as it opens, its chart then drawn offscreen at the size of a saved picture.
BENCHMARK_DEFINE_F(ThreeHourActivity, TrackPlotWindow)(benchmark::State &state) {
    for (auto _ : state) {
        frmPlotTrack window;
        const QImage picture = charts::renderImage(*window.TChart1->chart(), QSize(640, 480));
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK_REGISTER_F(ThreeHourActivity, TrackPlotWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    return bench::RunWindowBenchmarks(argc, argv);
}
