#include "graph/Graph.h"
#include "graph/Node.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{

// Graph is a widget: one offscreen application for the whole run.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_Graph";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
        Node::initColors();
    }
}

Graph *randomGraph(int n)
{
    ensureApplication();
    qsrand(1234);
    Graph *g = new Graph("bench", false);
    g->randomGraph(n);
    g->best_backup();
    return g;
}

void BM_EdgeScan(benchmark::State &state)
{
    const int n = static_cast<int>(state.range(0));
    Graph *g = randomGraph(n);
    for (auto _ : state) {
        int count = 0;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                count += g->edge(i, j);
        benchmark::DoNotOptimize(count);
    }
    state.SetItemsProcessed(state.iterations() * n * n);
    delete g;
}
BENCHMARK(BM_EdgeScan)->Arg(20)->Arg(32);

void BM_Snapshot(benchmark::State &state)
{
    Graph *g = randomGraph(32);
    BitGraph s;
    for (auto _ : state) {
        g->snapshot(s);
        benchmark::DoNotOptimize(s.row[31]);
    }
    delete g;
}
BENCHMARK(BM_Snapshot);

void BM_GraphStringWrite(benchmark::State &state)
{
    Graph *g = randomGraph(32);
    for (auto _ : state) {
        QString s = g->graphData();
        benchmark::DoNotOptimize(s.data());
    }
    delete g;
}
BENCHMARK(BM_GraphStringWrite);

void BM_GraphStringRead(benchmark::State &state)
{
    Graph *g = randomGraph(32);
    const QString text = g->graphData();
    for (auto _ : state) {
        g->loadCurrentGraph(text);
        benchmark::DoNotOptimize(g->getID());
    }
    delete g;
}
BENCHMARK(BM_GraphStringRead);

// A drag of a selected vertex: every mouse move ends with a full display refresh.
void BM_DragRefresh(benchmark::State &state)
{
    ensureApplication();
    qsrand(1234);
    Graph g("bench", true);
    g.resize(800, 600);
    g.randomGraph(32);
    g.place_circle(400);
    g.best_backup();
    g.update_display();
    g.getNode(0)->setSelected(true);
    const QPoint at = g.mapFromScene(g.getNode(0)->pos());
    QMouseEvent press(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(g.viewport(), &press);
    int k = 0;
    for (auto _ : state) {
        const QPoint to = at + QPoint(k % 40, (k / 40) % 40);
        ++k;
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(g.viewport(), &move);
        // As the event loop would between two moves: pending scene updates are handled.
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_DragRefresh);

void BM_GraphFileSaveOpen(benchmark::State &state)
{
    ensureApplication();
    qsrand(1234);
    Graph g("bench", true);
    g.randomGraph(32);
    g.best_backup();
    QTemporaryDir dir;
    const QString name = dir.path() + "/g.gmvx3";
    for (auto _ : state) {
        g.save(name);
        g.open(name);
    }
}
BENCHMARK(BM_GraphFileSaveOpen);

} // namespace

BENCHMARK_MAIN();
