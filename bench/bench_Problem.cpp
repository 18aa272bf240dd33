// Evaluation of a small board as a search worker's clone sees it: maximise SIZE and DEGMAX
// on random graphs of order 20, one edge flipped per evaluation.
#include "graph/Graph.h"
#include "problem/Eval.h"
#include "problem/Problem.h"

#include "WidgetBenchmarkMain.h"
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>

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

/// Resident memory of the process in kB, 0 where /proc cannot tell.
static double residentKB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    return 0;
}

// Opening a large problem on the white board as the user does, with its scene and item
// dialogs: ORDER, SIZE and their sum, again and again, and one objective on the last sum.
// kB_per_item is the growth of resident memory; run one size per process to read it, since
// a later size reuses what an earlier one freed.
static void BM_ProblemOpenDisplayed(benchmark::State &state)
{
    const int n = int(state.range(0));
    QString text;
    int lastSum = 0;
    for (int i = 0; i < n; ++i) {
        if (i % 3 == 2)
            lastSum = i;
        const QString args = i % 3 == 2 ? QStringLiteral("%1\t%2").arg(i - 2).arg(i - 1)
                                        : QStringLiteral("NULL\tNULL");
        const char *keyword = i % 3 == 0 ? "ORDER" : i % 3 == 1 ? "SIZE" : "+";
        text += QStringLiteral("%1\t\t0\t0\t0\t0\t%2\t%3\t%4\tNULL\tNULL<NEW>")
                    .arg(QLatin1String(keyword))
                    .arg(10 * (i % 100))
                    .arg(10 * (i / 100))
                    .arg(args);
    }
    text += QStringLiteral("Z\t\t0\t0\t0\t0\t0\t0\t%1\tNULL\tNULL\tNULL\tmin<NEW>").arg(lastSum);
    text += QStringLiteral("DESC\tbench\t");
    Graph graph(QStringLiteral("graph"), true);
    graph.randomGraph(20);
    // Emptying the board is not part of the measure: one opening of a fresh board.
    auto *board = new Problem(&graph, QStringLiteral("bench"), true);
    // As the shell wires them: every link republishes the graph to the board.
    QObject::connect(&graph, &Graph::signal_best_graph_changed, board, &Problem::slot_best_backup);
    double perItem = 0;
    for (auto _ : state) {
        const double before = residentKB();
        const bool read = board->openString(text);
        perItem = (residentKB() - before) / n;
        benchmark::DoNotOptimize(read);
    }
    // What the event loop would have done after the opening, so that the deletion is not
    // slowed by events that no loop delivered.
    QCoreApplication::sendPostedEvents();
    delete board;
    state.counters["kB_per_item"] = perItem;
    state.SetComplexityN(n);
}
BENCHMARK(BM_ProblemOpenDisplayed)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

MORVANE_WIDGET_BENCHMARK_MAIN()
