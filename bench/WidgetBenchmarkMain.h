#pragma once

#include <QApplication>
#include <benchmark/benchmark.h>

/// The entry point of a benchmark of graphs and boards: both are views, so they need an
/// application object, though no screen.
#define MORVANE_WIDGET_BENCHMARK_MAIN()                                                          \
    int main(int argc, char **argv)                                                              \
    {                                                                                            \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                 \
        QApplication app(argc, argv);                                                            \
        benchmark::Initialize(&argc, argv);                                                      \
        benchmark::RunSpecifiedBenchmarks();                                                     \
        benchmark::Shutdown();                                                                   \
        return 0;                                                                                \
    }
