// Stores a full recorder memory into a fresh database: the memory's 128 sessions, half
// heart-rate and half GPS, cut from their result buffers and stored one by one as a transfer
// does. Samples (heart-rate samples and GPS points) are reported as items per second; the time
// of one iteration is the time per full memory.
#include "ResultBufferBuilder.h"

#include "core/Globals.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"
#include "transfer/GpsSessionStore.h"
#include "transfer/HrSessionStore.h"
#include "transfer/ResultBufferWalk.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace testing;

constexpr int kMemoryBytes = 262144;
constexpr int kDirectoryBytes = 384;
constexpr int kSessions = 128;
constexpr int kSessionBytes = (kMemoryBytes - kDirectoryBytes) / kSessions;
constexpr int kSessionOverhead = 14; // kind byte, start, end byte and end in the memory image
constexpr int kGpsRecordBytes = 17;

struct FullMemory {
    Bytes heartRate;
    Bytes gps;
    std::int64_t samples = 0;
};

FullMemory fullMemory() {
    FullMemory memory;
    ResultBufferBuilder heartRate, gps;
    for (int session = 0; session < kSessions / 2; ++session) {
        const Moment start{2026, 1 + session / 28, 1 + session % 28, 7, 0, 0};
        const Moment gpsStart{start.year, start.month, start.day, 17, 0, 0};
        const Moment end{start.year, start.month, start.day, 23, 0, 0};

        Bytes samples(kSessionBytes - kSessionOverhead);
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<std::uint8_t>(100 + i % 90);
        heartRate.heartRateEntry(start, samples, end);

        Bytes records;
        const int points = (kSessionBytes - kSessionOverhead) / kGpsRecordBytes;
        for (int n = 0; n < points; ++n)
            records = concat({records, gpsRecord({.speedTenths = 80 + n % 40,
                                                  .distanceThousandths = (9 * n) % 4096,
                                                  .status = n % 10 == 0 ? 1 : 3,
                                                  .altitude = 100 + n % 50,
                                                  .latitude = 45 + n * 1e-4,
                                                  .longitude = -73 - n * 1e-4,
                                                  .trueHeading = 90,
                                                  .magHeading = 104})});
        gps.speedGpsEntry(5, gpsStart, records, end);
        memory.samples += static_cast<std::int64_t>(samples.size()) + points;
    }
    memory.heartRate = heartRate.bytes();
    memory.gps = gps.bytes();
    return memory;
}

void BM_StoreFullMemory(benchmark::State &state) {
    const FullMemory memory = fullMemory();
    gPrimaryUnit = "km";
    gPrimarySport = 1;
    gFilterSpikes = 1;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir home;
        qputenv("RUNVELLA_HOME", home.path().toUtf8());
        platform::install::ensureDataFolder();
        gConn.open(platform::paths::databasePath());
        state.ResumeTiming();

        int stored = 0;
        for (const auto &[bytes, kind] : {std::pair{&memory.heartRate, ResultBuffer::HeartRate},
                                          std::pair{&memory.gps, ResultBuffer::SpeedGps}}) {
            for (const DeviceSessionRecord &record : cutResultBuffer(*bytes, kind).records) {
                SessionKey key = 0;
                std::int16_t type = 0;
                const StoreResult result = kind == ResultBuffer::HeartRate
                                               ? StoreHRSession(record, gConn, key, type)
                                               : StoreGPSSession(record, gConn, key, type);
                stored += result.stored();
            }
        }

        state.PauseTiming();
        if (stored != kSessions)
            state.SkipWithError("not every session was stored");
        gConn.close();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * memory.samples);
    state.counters["samples"] = static_cast<double>(memory.samples);
}

BENCHMARK(BM_StoreFullMemory)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
