// Inserts a recorder's worth of samples and more: 1,000,000 sessiondata rows in one
// transaction through the database layer, reported as rows per second.
#include "platform/BatchInsert.h"
#include "platform/Database.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_InsertSessionData(benchmark::State &state) {
    const std::int64_t rows = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir home;
        qputenv("RUNVELLA_HOME", home.path().toUtf8());
        platform::install::ensureDataFolder();
        platform::db::Connection connection;
        connection.open(platform::paths::databasePath());
        state.ResumeTiming();

        platform::db::Transaction transaction(connection);
        platform::db::BatchInsert insert(
            connection, "sessiondata",
            {"session_prkey", "cum_duration", "data_type", "Hr", "Speed", "cum_distance"});
        for (std::int64_t i = 0; i < rows; ++i)
            insert.add(std::int64_t{1}, i * 2.0, 0, 120.0 + static_cast<double>(i % 60), 6.5, i * 0.001);
        insert.flush();
        transaction.commit();
    }
    state.SetItemsProcessed(state.iterations() * rows);
}

BENCHMARK(BM_InsertSessionData)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
