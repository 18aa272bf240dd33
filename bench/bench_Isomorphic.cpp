#include "graph/IsomorphismSearch.h"

#include <benchmark/benchmark.h>
#include <random>
#include <utility>

namespace
{

// A random graph and a random relabelling of it.
std::pair<BitGraph, BitGraph> relabelledPair(int n, unsigned seed)
{
    std::mt19937 gen(seed);
    BitGraph g;
    g.n = n;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (gen() & 1u)
                g.addEdge(i, j);
    int p[32];
    for (int i = 0; i < n; ++i)
        p[i] = i;
    for (int i = n - 1; i > 0; --i)
        std::swap(p[i], p[gen() % (i + 1)]);
    BitGraph h;
    h.n = n;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (g.edge(i, j))
                h.addEdge(p[i], p[j]);
    return {g, h};
}

void BM_RelabelledPair(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const auto pair = relabelledPair(n, 7);
    IsomorphismSearch search(100000, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(search.run(pair.first, pair.second));
}

// One mismatch evaluation: the unit cost of every move the local search tries.
void BM_Evaluation(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    const auto pair = relabelledPair(n, 7);
    IsomorphismSearch search(100000, false);
    search.run(pair.first, pair.second);
    search.swap(0, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(search.eval());
}

} // namespace

BENCHMARK(BM_RelabelledPair)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Evaluation)->Arg(16)->Arg(32)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
