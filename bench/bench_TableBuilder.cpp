// Rows built per second when an explorer re-evaluates a graph list on a board of ten
// structural and distance items, and the memory its table takes per 100,000 rows.
#include "explorer/Analyst.h"
#include "explorer/TableBuilder.h"
#include "graph/Graph.h"
#include "graph/GraphString.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "problem/Problem.h"

#include "WidgetBenchmarkMain.h"
#include <benchmark/benchmark.h>
#include <malloc.h>

static QStringList randomList(int count, int n)
{
    QStringList list;
    for (int k = 0; k < count; ++k) {
        BitGraph g;
        g.n = n;
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                if (qrand() % 3 == 0)
                    g.addEdge(i, j);
        list << writeGraphString(g);
    }
    return list;
}

static void fillBoard(Problem &board)
{
    for (const char *keyword : {"ORDER", "SIZE", "DEGMAX", "DEGMIN", "TRIANGLES", "RANDIC",
                                "WIENER", "DIAMETER", "RADIUS", "DEGREES"}) {
        Calculus *c = BuildCalculus().makeCalculus(keyword, false);
        board.addInvariantItemLoadMode(c);
        c->setInReport(true);
    }
    board.getItems().last()->setNodInReport(true);
}

static TableBuilder::Result build(Problem &board, bool vertexMode, const QStringList &list)
{
    TableBuilder builder;
    builder.build(&board, vertexMode, list);
    builder.wait();
    return builder.takeResult();
}

static void BM_RowsPerSecond(benchmark::State &state)
{
    qsrand(1234);
    Graph graph(QStringLiteral("graph"), false);
    Problem board(&graph, QStringLiteral("bench"), false);
    fillBoard(board);
    const QStringList list = randomList(2000, int(state.range(0)));
    const bool vertexMode = state.range(1) != 0;
    qint64 rows = 0;
    for (auto _ : state)
        rows += build(board, vertexMode, list).rows.size();
    state.counters["rows/s"] = benchmark::Counter(double(rows), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RowsPerSecond)
    ->ArgNames({"n", "vertex"})
    ->Args({10, 0})
    ->Args({20, 0})
    ->Args({10, 1})
    ->Args({20, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

static void BM_MemoryPer100kRows(benchmark::State &state)
{
    qsrand(1234);
    Graph graph(QStringLiteral("graph"), false);
    Problem board(&graph, QStringLiteral("bench"), false);
    fillBoard(board);
    const QStringList list = randomList(100000, int(state.range(0)));
    for (auto _ : state) {
        // What the explorer keeps: the table and its graph strings (the list is shared).
        const size_t before = mallinfo2().uordblks;
        Analyst table;
        {
            TableBuilder::Result r = build(board, false, list);
            table.setTable(r.header, std::move(r.rows), std::move(r.graphNos));
        }
        const size_t after = mallinfo2().uordblks;
        state.counters["columns"] = table.getHeader().size();
        state.counters["table_MB"] = double(after - before) / (1 << 20);
        const size_t listBefore = mallinfo2().uordblks;
        const QStringList copy = randomList(100000, int(state.range(0)));
        state.counters["list_MB"] = double(mallinfo2().uordblks - listBefore) / (1 << 20);
        benchmark::DoNotOptimize(copy.size());
    }
}
BENCHMARK(BM_MemoryPer100kRows)
    ->ArgName("n")
    ->Arg(10)
    ->Arg(20)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

MORVANE_WIDGET_BENCHMARK_MAIN()
