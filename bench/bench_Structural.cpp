// Exact structural searches and the energy's eigen-decomposition on random graphs G(n, p): n = 10,
// 20, 32 and p = 0.2, 0.5, 0.8. Each case cycles through a fixed pool of graphs (seeded, so every
// run sees the same ones); the reported time is the mean per graph, and the counter worst_ms the
// slowest single graph.

#include "graph/BitGraph.h"
#include "invariants/AdjacencyMatrices.h"
#include "invariants/CliqueSearch.h"
#include "invariants/Colouring.h"
#include "invariants/DominationSearch.h"
#include "invariants/EigenvalueIndices.h"
#include "invariants/VertexConnectivity.h"
#include "numerics/Eig.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>
#include <vector>

namespace
{

const int kPool = 16;

std::vector<BitGraph> pool(int n, double p)
{
    std::mt19937 rng(1234u + 97u * unsigned(n) + unsigned(p * 100));
    std::bernoulli_distribution coin(p);
    std::vector<BitGraph> graphs(kPool);
    for (BitGraph &g : graphs) {
        g.n = n;
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                if (coin(rng))
                    g.addEdge(i, j);
    }
    return graphs;
}

template <typename Kernel> void runOnPool(benchmark::State &state, Kernel kernel)
{
    const std::vector<BitGraph> graphs = pool(int(state.range(0)), state.range(1) / 10.0);
    double worst = 0.0;
    size_t k = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(kernel(graphs[k]));
        const std::chrono::duration<double, std::milli> spent =
            std::chrono::steady_clock::now() - start;
        if (spent.count() > worst)
            worst = spent.count();
        k = (k + 1) % graphs.size();
    }
    state.counters["worst_ms"] = worst;
}

void BM_CliqueNumber(benchmark::State &state)
{
    runOnPool(state, [](const BitGraph &g) {
        uint32_t s;
        return maximumClique(g, &s);
    });
}

void BM_StabilityNumber(benchmark::State &state)
{
    runOnPool(state, [](const BitGraph &g) {
        uint32_t s;
        return maximumStableSet(g, &s);
    });
}

void BM_ChromaticNumber(benchmark::State &state)
{
    runOnPool(state, [](const BitGraph &g) {
        int c[32];
        return chromaticColouring(g, c);
    });
}

void BM_DominationNumber(benchmark::State &state)
{
    runOnPool(state, [](const BitGraph &g) {
        uint32_t s;
        return minimumDominatingSet(g, &s);
    });
}

void BM_VertexConnectivity(benchmark::State &state)
{
    runOnPool(state, [](const BitGraph &g) { return vertexConnectivity(g); });
}

// As the ENERGY item does it: adjacency, eigen-decomposition, sum of absolute eigenvalues.
void BM_Energy(benchmark::State &state)
{
    QVector<QVector<double>> work(32, QVector<double>(32, 0.0));
    runOnPool(state, [&work](const BitGraph &g) {
        SquareBlock block;
        adjacencyMatrix(g, block);
        for (int i = 0; i < g.n; ++i)
            for (int j = 0; j < g.n; ++j)
                work[i][j] = block[i][j];
        const Eig eig(work, g.n);
        return energyFromEigenvalues(eig.eigvals().constData(), g.n);
    });
}

void sizes(benchmark::internal::Benchmark *b)
{
    for (int n : {10, 20, 32})
        for (int p : {2, 5, 8})
            b->Args({n, p});
    b->ArgNames({"n", "p10"});
}

} // namespace

BENCHMARK(BM_CliqueNumber)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StabilityNumber)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ChromaticNumber)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DominationNumber)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VertexConnectivity)->Apply(sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Energy)->Apply(sizes)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
