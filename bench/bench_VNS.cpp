#include "graph/Graph.h"
#include "catalogue/BuildCalculus.h"
#include "items/Calculus.h"
#include "optimizer/OptimalSolutions.h"
#include "optimizer/VNS.h"
#include "problem/Eval.h"
#include "problem/Problem.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>
#include <mutex>

namespace
{

// Graph is a widget: one offscreen application for the whole run.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "bench_VNS";
    static char *argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
}

/// "maximise RANDIC" on a white board whose main graph has n vertices.
struct MaxRandic {
    explicit MaxRandic(int n) : main(QStringLiteral("main"), false), board(&main, "white", false)
    {
        while (main.getNbNodes() < n)
            main.addNode();
        BuildCalculus catalogue;
        Calculus *randic = catalogue.makeCalculus(QStringLiteral("RANDIC"), false);
        Calculus *z = catalogue.makeCalculus(QStringLiteral("MAXIMIZE"), false);
        board.addInvariantItemLoadMode(randic);
        board.addZItem(z);
        board.link1(randic, z);
    }
    Graph main;
    Problem board;
};

/// Shaking and local-search passes of one worker: every move is evaluated and offered to the
/// local archive, accepted ones to the job archive and published. Rate: evaluations.
void workerPath(benchmark::State &state, bool fourVertex)
{
    ensureApplication();
    qsrand(1234);
    const int n = static_cast<int>(state.range(0));
    MaxRandic problem(n);
    std::mutex workerMutex;
    OptimalSolutions job;
    VNS worker(&problem.board, &problem.main, 0, &workerMutex);
    worker.init(n, 600000, &job, {-1.0}, 0, problem.board.saveString());
    worker.getGraph()->randomGraph(n);
    Problem *clone = worker.getBoard();
    const int start = clone->nbEvals();
    for (auto _ : state) {
        worker.perturb(n / 2);
        benchmark::DoNotOptimize(fourVertex ? worker.ls_stoquad() : worker.ls_add_rem());
    }
    state.counters["evals_per_second"] =
        benchmark::Counter(clone->nbEvals() - start, benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(workerPath, addRemove, false)
    ->Arg(10)
    ->Arg(20)
    ->Arg(32)
    ->Unit(benchmark::kMillisecond);
// The learned four-vertex search after add/remove, as the search loop runs it.
BENCHMARK_CAPTURE(workerPath, fourVertex, true)->Arg(10)->Arg(20)->Unit(benchmark::kMillisecond);

/// The same board evaluated alone after one edge flip (the counter moves, so the board
/// recomputes), nothing offered.
void evalAlone(benchmark::State &state)
{
    ensureApplication();
    qsrand(1234);
    const int n = static_cast<int>(state.range(0));
    MaxRandic problem(n);
    Graph g(QStringLiteral("VNS"), false);
    g.randomGraph(n);
    std::unique_ptr<Problem> clone(problem.board.clone());
    clone->setGraph(&g);
    clone->setOptFactors({-1.0});
    Eval record;
    int step = 0;
    for (auto _ : state) {
        const int i = step % n, j = (step * 7 + 1) % n;
        ++step;
        if (i != j)
            g.edge(i, j) ? g.remEdge(i, j) : g.addEdge(i, j);
        clone->eval(&record);
        benchmark::DoNotOptimize(record.value(0));
    }
    state.counters["evals_per_second"] =
        benchmark::Counter(state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(evalAlone)->Arg(10)->Arg(20)->Arg(32);

} // namespace

BENCHMARK_MAIN();
