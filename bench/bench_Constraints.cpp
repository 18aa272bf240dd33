#include "optimizer/ConstraintKernels.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace
{

/// Components of a random graph on 32 vertices with edge probability 1/k.
void BM_ComponentsMinusOne(benchmark::State &state)
{
    std::mt19937 rng(1234);
    const int k = static_cast<int>(state.range(0));
    BitGraph g;
    g.n = 32;
    for (int i = 0; i < 32; ++i)
        for (int j = i + 1; j < 32; ++j)
            if (rng() % k == 0)
                g.addEdge(i, j);
    for (auto _ : state)
        benchmark::DoNotOptimize(componentsMinusOne(g));
}

/// ">=" of a 32 x 32 matrix against a row of 32.
void BM_RelationMatrixRow(benchmark::State &state)
{
    std::mt19937 rng(1234);
    std::vector<std::vector<double>> a(32, std::vector<double>(32)), b(1, std::vector<double>(32));
    for (auto &row : a)
        for (double &x : row)
            x = rng() % 10;
    for (double &x : b[0])
        x = rng() % 10;
    for (auto _ : state)
        benchmark::DoNotOptimize(relationViolation(Relation::GE, a, 32, 32, b, 1, 32));
}

} // namespace

BENCHMARK(BM_ComponentsMinusOne)->Arg(2)->Arg(16)->Arg(64);
BENCHMARK(BM_RelationMatrixRow);
BENCHMARK_MAIN();
