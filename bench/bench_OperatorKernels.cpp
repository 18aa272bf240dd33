#include "operators/CountingStatistics.h"
#include "operators/GraphAwareKernels.h"
#include "operators/MatrixReductions.h"
#include "operators/MatrixTransforms.h"
#include "operators/EigenKernels.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

ValueRows randomSymmetric(int n, unsigned seed, bool definite)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    ValueRows m(32, QVector<double>(32, 0.0));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j)
            m[i][j] = m[j][i] = dist(gen);
    if (definite)
        for (int i = 0; i < n; ++i)
            m[i][i] += n;
    return m;
}

BitGraph randomGraph(int n, unsigned seed)
{
    std::mt19937 gen(seed);
    BitGraph g;
    g.n = n;
    for (int u = 0; u < n; ++u)
        for (int v = u + 1; v < n; ++v)
            if (gen() % 4 == 0)
                g.addEdge(u, v);
    return g;
}

void BM_Determinant(benchmark::State &state)
{
    const int n = int(state.range(0));
    const ValueRows a = randomSymmetric(n, 1, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(determinantOf(a, n));
}

void BM_Inertia(benchmark::State &state)
{
    const int n = int(state.range(0));
    const ValueRows a = randomSymmetric(n, 2, false);
    int counts[3];
    for (auto _ : state) {
        inertiaOf(a, n, counts);
        benchmark::DoNotOptimize(counts[0]);
    }
}

void BM_Cholesky(benchmark::State &state)
{
    const int n = int(state.range(0));
    const ValueRows a = randomSymmetric(n, 3, true);
    ValueRows out(32, QVector<double>(32, 0.0));
    for (auto _ : state)
        benchmark::DoNotOptimize(choleskyInto(a, n, out));
}

void BM_CheckAndLaplacian(benchmark::State &state)
{
    const int n = int(state.range(0));
    const ValueRows a = randomSymmetric(n, 4, false);
    ValueRows out(32, QVector<double>(32, 0.0));
    const ValueBlock block{a, n, n};
    for (auto _ : state) {
        benchmark::DoNotOptimize(checkDecomposable(block));
        laplacianOf(block, out);
        benchmark::DoNotOptimize(out[0][0]);
    }
}

void BM_ReductionsAndCounts(benchmark::State &state)
{
    const int n = int(state.range(0));
    const ValueRows a = randomSymmetric(n, 5, false);
    const ValueBlock block{a, n, n};
    for (auto _ : state) {
        benchmark::DoNotOptimize(reduceSum(block));
        benchmark::DoNotOptimize(populationVariance(block));
        benchmark::DoNotOptimize(countDistinct(block));
    }
}

void BM_DistanceMoments(benchmark::State &state)
{
    const BitGraph g = randomGraph(int(state.range(0)), 6);
    double moment[32];
    for (auto _ : state)
        benchmark::DoNotOptimize(distanceMoments(g, nullptr, moment));
}

void BM_EdgeCorrelation(benchmark::State &state)
{
    const int n = int(state.range(0));
    const BitGraph g = randomGraph(n, 7);
    ValueRows x(32, QVector<double>(32, 0.0));
    for (int v = 0; v < n; ++v)
        x[v][0] = g.degree(v);
    const ValueBlock block{x, n, 1};
    double r;
    for (auto _ : state)
        benchmark::DoNotOptimize(edgeCorrelation(g, block, r));
}

} // namespace

BENCHMARK(BM_Determinant)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Inertia)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Cholesky)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckAndLaplacian)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReductionsAndCounts)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DistanceMoments)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EdgeCorrelation)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
