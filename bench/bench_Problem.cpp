// Evaluation of a small board as a search worker's clone sees it: maximise SIZE and DEGMAX
// on random graphs of order 20, one edge flipped per evaluation.
#include "graph/Graph.h"
#include "problem/Eval.h"
#include "problem/Problem.h"

#include "WidgetBenchmarkMain.h"
#include <benchmark/benchmark.h>

static const char *kBoard = "SIZE\t\t0\t0\t0\t0\t0\t0\tNULL\tNULL\tNULL\tNULL<NEW>"
                            "DEGMAX\t\t0\t0\t0\t0\t0\t0\tNULL\tNULL\tNULL\tNULL<NEW>"
                            "Z\t\t0\t0\t0\t0\t0\t0\t0\tNULL\tNULL\tNULL\tmax<NEW>"
                            "Z\t\t0\t0\t0\t0\t0\t0\t1\tNULL\tNULL\tNULL\tmax<NEW>"
                            "DESC\tbench\t";

static void BM_ProblemEval(benchmark::State &state)
{
    qsrand(1234);
    Graph graph(QStringLiteral("VNS"), false);
    graph.randomGraph(20);
    Problem board(&graph, QStringLiteral("bench"), false);
    board.openString(QString::fromLatin1(kBoard));
    board.setOptFactors({-1.0, -1.0});
    Eval record;
    int i = 0, j = 1;
    for (auto _ : state) {
        // Flip one pair so that every evaluation recomputes the needed items.
        if (graph.edge(i, j))
            graph.remEdge(i, j);
        else
            graph.addEdge(i, j);
        if (++j == 20) {
            i = (i + 1) % 19;
            j = i + 1;
        }
        board.eval(&record);
        benchmark::DoNotOptimize(record.zvalue(0));
    }
}
BENCHMARK(BM_ProblemEval);

static void BM_ProblemEvalUnchanged(benchmark::State &state)
{
    qsrand(1234);
    Graph graph(QStringLiteral("VNS"), false);
    graph.randomGraph(20);
    Problem board(&graph, QStringLiteral("bench"), false);
    board.openString(QString::fromLatin1(kBoard));
    Eval record;
    for (auto _ : state) {
        board.eval(&record);
        benchmark::DoNotOptimize(record.zvalue(1));
    }
}
BENCHMARK(BM_ProblemEvalUnchanged);

// Reading a problem of one invariant and many objectives on it: every objective is one
// link, and the whole board is computed once when the text is placed.
static void BM_ProblemOpenManyObjectives(benchmark::State &state)
{
    Graph graph(QStringLiteral("VNS"), false);
    graph.randomGraph(20);
    QString text = QStringLiteral("SIZE\t\t0\t0\t0\t0\t0\t0\tNULL\tNULL\tNULL\tNULL<NEW>");
    const QString objective =
        QStringLiteral("Z\t\t0\t0\t0\t0\t0\t0\t0\tNULL\tNULL\tNULL\tmin<NEW>");
    for (int64_t i = 0; i < state.range(0); ++i)
        text += objective;
    text += QStringLiteral("DESC\tbench\t");
    Problem board(&graph, QStringLiteral("bench"), false);
    for (auto _ : state) {
        const bool read = board.openString(text);
        benchmark::DoNotOptimize(read);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ProblemOpenManyObjectives)
    ->Arg(1000)
    ->Arg(2000)
    ->Arg(4000)
    ->Arg(8000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

MORVANE_WIDGET_BENCHMARK_MAIN()
