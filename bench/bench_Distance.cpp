#include "invariants/Betweenness.h"
#include "invariants/DistanceIndices.h"
#include "invariants/InformationCentrality.h"

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

} // namespace

BENCHMARK(BM_Wiener)->Arg(20)->Arg(32);
BENCHMARK(BM_EdgeBetweenness)->Arg(20)->Arg(32);
BENCHMARK(BM_InformationCentrality)->Arg(20)->Arg(32);

BENCHMARK_MAIN();
