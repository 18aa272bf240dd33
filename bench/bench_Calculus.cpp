#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace
{

// Graph is a widget: one offscreen application for the whole run.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_Calculus";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
}

/// One edge flip and one computation of the item per iteration: the search workers' pattern.
void computeAfterFlip(benchmark::State &state, const char *keyword, bool complement)
{
    ensureApplication();
    qsrand(1234);
    const int n = static_cast<int>(state.range(0));
    Graph g("bench", false);
    g.randomGraph(n);
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> item(catalogue.makeCalculus(keyword, false));
    item->setGraph(&g);
    item->setInvertGraph(complement);
    int step = 0;
    for (auto _ : state) {
        const int i = step % n, j = (step * 7 + 1) % n;
        if (!g.addEdge(i, j) || (step & 1))
            g.remEdge(i, j);
        item->compute(true);
        benchmark::DoNotOptimize(item->M[0][0]);
        ++step;
    }
}

void BM_Degrees(benchmark::State &state)
{
    computeAfterFlip(state, "DEGREES", false);
}
void BM_KCherries(benchmark::State &state)
{
    computeAfterFlip(state, "KCHERRIES", false);
}
void BM_KCherriesComplement(benchmark::State &state)
{
    computeAfterFlip(state, "KCHERRIES", true);
}
void BM_Size(benchmark::State &state)
{
    computeAfterFlip(state, "SIZE", false);
}

/// A computation skipped because the graph has not moved.
void BM_SkipUnchanged(benchmark::State &state)
{
    ensureApplication();
    Graph g("bench", false);
    g.randomGraph(32);
    BuildCalculus catalogue;
    std::unique_ptr<Calculus> item(catalogue.makeCalculus("DEGREES", false));
    item->setGraph(&g);
    item->compute(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(item->compute(true));
}

} // namespace

BENCHMARK(BM_Degrees)->Arg(8)->Arg(32);
BENCHMARK(BM_KCherries)->Arg(8)->Arg(32);
BENCHMARK(BM_KCherriesComplement)->Arg(32);
BENCHMARK(BM_Size)->Arg(32);
BENCHMARK(BM_SkipUnchanged);
BENCHMARK_MAIN();
