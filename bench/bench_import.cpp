// Imports a generated data file through the program's own import into a fresh database:
//  - HeartRate: heart-rate samples under the short header, 6.77 M of them in about 200 MB;
//  - JoinedGps: heart-rate samples, then GPS points with their positions, 2 M samples in all;
//  - EndlessLine: 32 MiB without a line end, refused as no data file: the time to refuse it.
// Reported as samples per second, and as the peak resident memory that the import added to the
// process (peak_added_MB). Run bench_db_insert beside it: its rows per second are the yardstick.
#include "core/Globals.h"
#include "exchange/DataFileImport.h"
#include "exchange/DataFileWriter.h"
#include "platform/Database.h"
#include "platform/Dialogs.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"

#include "BenchmarkMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>

namespace {

constexpr std::int64_t kSamplesPerBlock = 10'000;

DataFile::Session recordedSession() {
    DataFile::Session session;
    session.start = QDateTime(QDate(2026, 3, 9), QTime(7, 0));
    session.sportId = 1;
    session.distanceUnit = "km";
    session.avgSpeedUnits = session.maxSpeedUnits = session.avgPaceUnits = session.maxPaceUnits = 1;
    session.distance = 42.2;
    session.duration = 14400;
    session.description = "Long day";
    session.sessionType = 20;
    session.maxHr = 178;
    session.maxSpeed = 14;
    session.avgHr = 141;
    session.avgSpeed = 9;
    session.fromDataRecorder = true;
    session.timeInZone = {600, 1200, 3600, 1800, 300};
    return session;
}

DataFile::Sample sampleAt(std::int64_t i, bool gps) {
    DataFile::Sample sample;
    const double t = static_cast<double>(i);
    sample.duration = gps ? t * 3.57 : t * 2;
    sample.hr = gps ? 0 : 120 + i % 60;
    sample.speed = 8 + i % 30 * 0.1;
    sample.distance = t * 0.0044;
    if (!gps)
        return sample;
    sample.type = DataFile::kGpsSample;
    sample.longitude = -73.5 - t * 1e-5;
    sample.latitude = 45.5 + t * 1e-5;
    sample.altitude = std::round(300 + 150 * std::sin(t / 600));
    sample.acqStatus = 3;
    sample.trueHeading = static_cast<double>(i % 360);
    sample.magHeading = static_cast<double>((i + 14) % 360);
    return sample;
}

// Writes the file a block of samples at a time, as the program's own writer formats them: the
// session section and column header once, then each block's rows.
void writeDataFile(const QString &path, std::int64_t heartRate, std::int64_t gps) {
    std::ofstream file(path.toStdString(), std::ios::binary);
    const std::int64_t total = heartRate + gps;
    for (std::int64_t done = 0; done < total; done += kSamplesPerBlock) {
        DataFile::Activity block{recordedSession(), {}};
        for (std::int64_t i = done; i < std::min(done + kSamplesPerBlock, total); ++i)
            block.samples.push_back(i < heartRate ? sampleAt(i, false) : sampleAt(i - heartRate, true));
        // A block of heart-rate samples alone would go out under the short header.
        const bool borrowed = gps > 0 && block.samples.back().type != DataFile::kGpsSample;
        if (borrowed)
            block.samples.push_back(sampleAt(0, true));
        const QByteArray bytes = DataFileWriter::DataFileBytes(block, {.dateOrderPattern = "mm/dd/yyyy"});
        const qsizetype rows =
            done == 0 ? 0 : bytes.indexOf("\r\n", bytes.indexOf("[recorded]\r\n") + 12) + 2;
        const qsizetype end = borrowed ? bytes.lastIndexOf("\r\n", bytes.size() - 3) + 2 : bytes.size();
        file.write(bytes.constData() + rows, end - rows);
    }
}

std::int64_t procStatusKb(const char *field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stoll(line.substr(std::string(field).size()));
    return 0;
}

// Hands memory freed earlier back to the system and lets the peak resident memory start again
// from the memory in use now.
void resetPeakMemory() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

void writeEndlessLine(const QString &path) {
    std::ofstream file(path.toStdString(), std::ios::binary);
    const std::string piece(1024 * 1024, 'x');
    for (int i = 0; i < 32; ++i)
        file << piece;
}

void BM_ImportDataFile(benchmark::State &state, std::int64_t heartRate, std::int64_t gps) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("large.csv");
    const bool endless = heartRate + gps == 0;
    endless ? writeEndlessLine(path) : writeDataFile(path, heartRate, gps);
    const double megabytes = static_cast<double>(QFile(path).size()) / 1e6;
    platform::dialogs::setMessageHandler(
        [](const platform::dialogs::MessageRequest &) { return platform::dialogs::Answer::Ok; });

    double peakAddedKb = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir home;
        qputenv("RUNVELLA_HOME", home.path().toUtf8());
        platform::install::ensureDataFolder();
        gConn.open(platform::paths::databasePath());
        resetPeakMemory();
        const std::int64_t before = procStatusKb("VmRSS:");
        state.ResumeTiming();

        const auto expected =
            endless ? exchange::ImportOutcome::NotDataFile : exchange::ImportOutcome::Imported;
        if (exchange::ImportFile(path) != expected)
            state.SkipWithError(endless ? "the file was not refused" : "the file was not imported");

        state.PauseTiming();
        peakAddedKb = std::max(peakAddedKb, static_cast<double>(procStatusKb("VmHWM:") - before));
        gConn.close();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * (heartRate + gps));
    state.counters["file_MB"] = megabytes;
    state.counters["peak_added_MB"] = peakAddedKb / 1024;
}

BENCHMARK_CAPTURE(BM_ImportDataFile, HeartRate, 6'770'000, 0)->Unit(benchmark::kSecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_ImportDataFile, JoinedGps, 1'400'000, 600'000)->Unit(benchmark::kSecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_ImportDataFile, EndlessLine, 0, 0)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv) {
    return bench::RunWindowBenchmarks(argc, argv);
}
