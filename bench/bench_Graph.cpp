#include "graph/Graph.h"
#include "graph/Node.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// Graph is a widget: one offscreen application for the whole run.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_Graph";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
        Node::initColors();
    }
}

Graph *randomGraph(int n)
{
    ensureApplication();
    qsrand(1234);
    Graph *g = new Graph("bench", false);
    g->randomGraph(n);
    g->best_backup();
    return g;
}

void BM_EdgeScan(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    Graph *g = randomGraph(n);
    for (auto _ : state) {
        int count = 0;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                count += g->edge(i, j);
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * n * n);
    delete g;
}
BENCHMARK(BM_EdgeScan)->Arg(20)->Arg(32);

void BM_Snapshot(benchmark::State &state)
{
    Graph *g = randomGraph(32);
    BitGraph s;
    for (auto _ : state) {
        g->snapshot(s);
        benchmark::DoNotOptimize(s.row[31]);
    }
    delete g;
}
BENCHMARK(BM_Snapshot);

void BM_GraphStringWrite(benchmark::State &state)
{
    Graph *g = randomGraph(32);
    for (auto _ : state) {
        QString s = g->graphData();
        benchmark::DoNotOptimize(s.data());
    }
    delete g;
}
BENCHMARK(BM_GraphStringWrite);

void BM_GraphStringRead(benchmark::State &state)
{
    Graph *g = randomGraph(32);
    const QString text = g->graphData();
    for (auto _ : state) {
        g->loadCurrentGraph(text);
        benchmark::DoNotOptimize(g->getID());
    }
    delete g;
}
BENCHMARK(BM_GraphStringRead);

} // namespace

BENCHMARK_MAIN();
