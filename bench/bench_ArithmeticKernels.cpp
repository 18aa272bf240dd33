#include "operators/ArithmeticKernels.h"
#include "operators/ShapingKernels.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

ValueRows randomStore(unsigned seed)
{
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    ValueRows m(32, QVector<double>(32, 0.0));
    for (auto &row : m)
        for (double &x : row)
            x = dist(gen);
    return m;
}

void BM_MatrixProduct(benchmark::State &state)
{
    const int n = int(state.range(0));
    const ValueRows a = randomStore(1), b = randomStore(2);
    ValueRows out = randomStore(3);
    for (auto _ : state) {
        matrixProduct(ValueBlock{a, n, n}, ValueBlock{b, n, n}, out);
        benchmark::DoNotOptimize(out[0][0]);
    }
}

void BM_BroadcastQuotient(benchmark::State &state)
{
    const int n = int(state.range(0));
    const ValueRows a = randomStore(4), s = randomStore(5);
    ValueRows out = randomStore(6);
    const ValueBlock ab{a, n, n}, sb{s, 1, 1};
    const ValueBlock *pair[2] = {&ab, &sb};
    for (auto _ : state) {
        broadcastInto(pair, 2, n, n, &quotientOf, out);
        benchmark::DoNotOptimize(out[0][0]);
    }
}

void BM_SortVector(benchmark::State &state)
{
    const int n = int(state.range(0));
    const ValueRows a = randomStore(7);
    ValueRows out = randomStore(8);
    for (auto _ : state) {
        sortedInto(ValueBlock{a, n, 1}, out);
        benchmark::DoNotOptimize(out[0][0]);
    }
}

} // namespace

BENCHMARK(BM_MatrixProduct)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BroadcastQuotient)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SortVector)->Arg(8)->Arg(32)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
