#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

#include <functional>

namespace bench {

// Runs the registered benchmarks inside a QApplication that draws offscreen unless
// QT_QPA_PLATFORM names another platform; beforeRun runs once the application and the benchmark
// flags are set up.
inline int RunWindowBenchmarks(int argc, char **argv, const std::function<void()> &beforeRun = {}) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (beforeRun)
        beforeRun();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
