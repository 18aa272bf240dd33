#include "graph/Graph.h"
#include "invariants/Betweenness.h"
#include "invariants/DistanceIndices.h"
#include "invariants/InformationCentrality.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"

#include "WidgetBenchmarkMain.h"
#include <memory>

#include <benchmark/benchmark.h>
#include <random>

namespace
{

// A connected graph of order n: a random spanning tree plus each other pair with probability 0.2,
// close to the sparse, connected graphs a search spends most of its time on.
BitGraph sampleGraph(int n)
{
    std::mt19937 gen(1234);
    BitGraph g;
    g.n = n;
    for (int v = 1; v < n; ++v)
        g.addEdge(v, int(gen() % unsigned(v)));
    for (int u = 0; u < n; ++u)
        for (int v = u + 1; v < n; ++v)
            if (gen() % 5 == 0)
                g.addEdge(u, v);
    return g;
}

void BM_Wiener(benchmark::State &state)
{
    const BitGraph g = sampleGraph(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(wienerIndex(g));
}

void BM_EdgeBetweenness(benchmark::State &state)
{
    const BitGraph g = sampleGraph(int(state.range(0)));
    double out[32][32];
    for (auto _ : state) {
        edgeBetweenness(g, PairWeight::One, out);
        benchmark::DoNotOptimize(out);
    }
}

void BM_InformationCentrality(benchmark::State &state)
{
    const BitGraph g = sampleGraph(int(state.range(0)));
    double out[32];
    for (auto _ : state) {
        benchmark::DoNotOptimize(informationCentrality(g, out));
        benchmark::DoNotOptimize(out);
    }
}

// The whole recomputation of an item as a search worker runs it: snapshot of the graph under its
// lock, kernel, value matrix written. Forgetting the last counter makes every call recompute.
void BM_Item(benchmark::State &state, const char *keyword)
{
    const BitGraph b = sampleGraph(int(state.range(0)));
    Graph g(QStringLiteral("G"), false);
    g.clear();
    for (int i = 0; i < b.n; ++i)
        g.addNode();
    for (int u = 0; u < b.n; ++u)
        for (int v = u + 1; v < b.n; ++v)
            if (b.edge(u, v))
                g.addEdge(u, v);
    std::unique_ptr<Calculus> item(
        BuildCalculus().makeCalculus(QString::fromLatin1(keyword), false));
    item->setGraph(&g);
    for (auto _ : state) {
        item->lastGraphID = g.getID() - 1;
        item->compute(true);
        benchmark::DoNotOptimize(item->M[0][0]);
    }
}

} // namespace

BENCHMARK(BM_Wiener)->Arg(20)->Arg(32);
BENCHMARK(BM_EdgeBetweenness)->Arg(20)->Arg(32);
BENCHMARK(BM_InformationCentrality)->Arg(20)->Arg(32);
BENCHMARK_CAPTURE(BM_Item, WIENER, "WIENER")->Arg(20)->Arg(32);
BENCHMARK_CAPTURE(BM_Item, BETWEENNESS, "BETWEENNESS")->Arg(20)->Arg(32);
BENCHMARK_CAPTURE(BM_Item, IINDEX, "IINDEX")->Arg(20)->Arg(32);

MORVANE_WIDGET_BENCHMARK_MAIN()
