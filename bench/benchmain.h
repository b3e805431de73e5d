#pragma once

// The main of every benchmark: the windows' benchmarks define
// PICKWISE_BENCH_WINDOW and run under an offscreen QApplication.

#include <benchmark/benchmark.h>

#ifdef PICKWISE_BENCH_WINDOW
#include <QApplication>
#include <cstdlib>
#endif

int main(int argc, char **argv)
{
#ifdef PICKWISE_BENCH_WINDOW
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
