#include "numerics/Eig.h"

#include <benchmark/benchmark.h>
#include <random>

namespace
{

QVector<QVector<double>> randomSymmetric(int n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    QVector<QVector<double>> m(n, QVector<double>(n));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j <= i; ++j)
            m[i][j] = m[j][i] = dist(gen);
    return m;
}

void BM_Eig(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    QVector<QVector<QVector<double>>> inputs;
    for (unsigned seed = 1; seed <= 16; ++seed)
        inputs << randomSymmetric(n, seed);
    int next = 0;
    for (auto _ : state) {
        Eig eig(inputs[next], n);
        benchmark::DoNotOptimize(eig.eigval(0));
        next = (next + 1) % inputs.size();
    }
}

} // namespace

// 64 is the order of the coupled matrices of the isomorphism test.
BENCHMARK(BM_Eig)->Arg(8)->Arg(16)->Arg(32)->Arg(64)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
