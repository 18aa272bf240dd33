#include "conjectures/ConjectureEngine.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <random>

namespace
{

// Time from start() to the first relation stored, for a cloud of N points in d0 base
// variables (d0 squares added when range(2) is set).
void BM_FirstRelation(benchmark::State &state)
{
    const int d0 = static_cast<int>(state.range(0));
    const int n = static_cast<int>(state.range(1));
    const bool sq = state.range(2) != 0;
    std::mt19937 gen(1234);
    std::uniform_real_distribution<double> dist(-5.0, 5.0);
    QStringList names;
    for (int k = 0; k < d0; ++k)
        names << QStringLiteral("x%1").arg(k);
    QVector<QVector<double>> rows;
    for (int i = 0; i < n; ++i) {
        QVector<double> row;
        for (int k = 0; k < d0; ++k)
            row << dist(gen);
        rows << row;
    }
    int seed = 1;
    for (auto _ : state) {
        ConjectureEngine e(0);
        std::atomic<bool> found{false};
        // Direct: the receiver runs in the engine's thread, no event loop needed.
        QObject::connect(&e, &ConjectureEngine::signal_new_conjecture,
                         [&](Conjecture *) { found = true; });
        QObject::connect(&e, &ConjectureEngine::signal_complete, [&] { found = true; });
        e.clear();
        e.setSq(sq);
        e.setHeader(names);
        e.setWeights(QVector<double>(d0, 1.0));
        for (int i = 0; i < n; ++i)
            e.addPoint(rows[i], i);
        e.setSeed(seed++);
        e.start();
        while (!found.load())
            QThread::yieldCurrentThread();
        e.cancel();
        e.wait();
    }
}

} // namespace

BENCHMARK(BM_FirstRelation)
    ->Args({2, 100, 0})
    ->Args({3, 200, 0})
    ->Args({3, 200, 1})
    ->Args({5, 200, 0})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
