// Headless driver: evaluates a problem on a list of graphs, or runs the job manager without
// windows, and prints tab-separated results for measurements.
//
//   morvane-bench eval PROBLEM GRAPHS
//   morvane-bench search PROBLEM --nmin A --nmax B --seconds S [--threads T] [--max-evals E]
//                                [--seed N] [--start-random]
//
// --seconds and --max-evals bound each job (one order and objective pattern), not the run.
// Exit code 0 on success, 2 on unreadable input or arguments, on a problem without an objective
// (no job to run), or when standard output cannot be written.

#include "common/readWholeFile.h"
#include "explorer/DataLoader.h"
#include "graph/Graph.h"
#include "items/Calculus.h"
#include "optimizer/OptimalSolutions.h"
#include "optimizer/Solution.h"
#include "optimizer/VNS.h"
#include "optimizer/VNSManager.h"
#include "problem/Eval.h"
#include "problem/Problem.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTime>

#include <atomic>
#include <cstdio>

namespace
{

const int kUnreadable = 2;

int fail(const QString &message)
{
    std::fprintf(stderr, "morvane-bench: %s\n", qPrintable(message));
    return kUnreadable;
}

void printLine(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
}

/// Success, or failure when some output never reached standard output (a full disk, a
/// closed pipe): a measurement must not pass for complete.
int finish()
{
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return fail(QStringLiteral("cannot write standard output"));
    return 0;
}

int usage()
{
    return fail(QStringLiteral(
        "usage: morvane-bench eval PROBLEM GRAPHS | morvane-bench search PROBLEM --nmin A "
        "--nmax B --seconds S [--threads T] [--max-evals E] [--seed N] [--start-random]"));
}

/// Reads a problem file (Latin-1 problem text) into the board.
bool readProblem(const QString &path, Problem &board, QString &error)
{
    QByteArray bytes;
    int cause = 0;
    if (!readWholeFile(path, bytes, &cause)) {
        error = QStringLiteral("cannot read problem file %1: %2").arg(path, systemErrorText(cause));
        return false;
    }
    const QString text = QString::fromLatin1(bytes);
    if (!board.openString(text)) {
        error = QStringLiteral("%1 is not a readable problem").arg(path);
        return false;
    }
    return true;
}

/// For each item of the graph-values table, in its order: whether it gives one column per
/// vertex (a node value or a vector) rather than a single one.
QVector<bool> perVertexColumns(const Problem &board)
{
    QVector<bool> out;
    for (const QVector<Calculus *> *list :
         {&board.getItems(), &board.getFamilies(), &board.getObjectives()})
        for (const Calculus *c : *list)
            if (c->inReport())
                out << (c->nodInReport() || c->vecInReport());
    return out;
}

/// The row of a graph of order n under the header of order `widest`: each item's values,
/// then empty cells up to its width in the header.
QStringList alignedRow(const QVector<double> &values, const QVector<bool> &perVertex, int n,
                       int widest)
{
    QStringList row;
    int next = 0;
    for (bool many : perVertex) {
        const int width = many ? widest : 1, own = many ? qMax(n, 0) : 1;
        for (int k = 0; k < width; ++k)
            row << (k < own && next + k < values.size() ? QString::number(values[next + k], 'g', 6)
                                                        : QString());
        next += own;
    }
    return row;
}

int runEval(const QStringList &args)
{
    if (args.size() != 3)
        return usage();
    Graph graph(QStringLiteral("main"), false);
    Problem board(&graph, QStringLiteral("white"), false);
    QString error;
    if (!readProblem(args.at(1), board, error))
        return fail(error);
    QByteArray list;
    int cause = 0;
    if (!readWholeFile(args.at(2), list, &cause))
        return fail(QStringLiteral("cannot read graph list %1: %2")
                        .arg(args.at(2), systemErrorText(cause)));
    const bool graph6 = args.at(2).endsWith(QLatin1String(".g6"));

    // Read as the explorer reads a list: a line that is not one whole graph (junk, a wrong
    // length, a NUL byte) is refused and named. Every graph is read first: the header must
    // cover the largest order of the list.
    QStringList graphs;
    QVector<int> refused;
    const std::atomic<bool> never{false};
    DataLoader::readList(list, graph6, graphs, refused, never, [](int, int) {});
    for (int lineNumber : refused)
        std::fprintf(stderr, "morvane-bench: line %d: cannot read graph\n", lineNumber);
    int widest = -1, widestAt = -1;
    for (int i = 0; i < graphs.size(); ++i) {
        const int n = graphs.at(i).section(QLatin1Char(' '), 0, 0).toInt();
        if (n > widest) {
            widest = n;
            widestAt = i;
        }
    }
    if (widestAt >= 0)
        graph.loadCurrentGraph(graphs.at(widestAt));
    widest = graph.getNbNodes();
    printLine((QStringList{QStringLiteral("graph")} + board.getReportNames(false))
                  .join(QLatin1Char('\t')));

    const QVector<bool> perVertex = perVertexColumns(board);
    Eval record;
    for (const QString &text : qAsConst(graphs)) {
        graph.loadCurrentGraph(text);
        // As the results explorer does: a full computation, then the record.
        board.compute(true);
        board.eval(&record);
        printLine((QStringList{text} +
                   alignedRow(board.getReportValues(), perVertex, graph.getNbNodes(), widest))
                      .join(QLatin1Char('\t')));
    }
    // A script must not take a table with lines missing for the whole list.
    const int written = finish();
    return written != 0 || refused.isEmpty() ? written : kUnreadable;
}

int runSearch(const QStringList &args)
{
    if (args.size() < 2)
        return usage();
    int nmin = -1, nmax = -1, seconds = -1, threads = 4, maxEvals = 0, seed = -1;
    bool startRandom = false;
    for (int i = 2; i < args.size(); ++i) {
        const QString &option = args.at(i);
        if (option == QLatin1String("--start-random")) {
            startRandom = true;
            continue;
        }
        if (i + 1 >= args.size())
            return fail(QStringLiteral("option %1 needs a value").arg(option));
        bool ok = false;
        const int value = args.at(++i).toInt(&ok);
        if (!ok || value < 0)
            return fail(QStringLiteral("option %1 needs a non-negative integer").arg(option));
        if (option == QLatin1String("--nmin"))
            nmin = value;
        else if (option == QLatin1String("--nmax"))
            nmax = value;
        else if (option == QLatin1String("--seconds"))
            seconds = value;
        else if (option == QLatin1String("--threads"))
            threads = value;
        else if (option == QLatin1String("--max-evals"))
            maxEvals = value;
        else if (option == QLatin1String("--seed"))
            seed = value;
        else
            return fail(QStringLiteral("unknown option %1").arg(option));
    }
    if (nmin < 0 || nmax < 0 || seconds < 0)
        return fail(QStringLiteral("search needs --nmin, --nmax and --seconds"));
    if (nmin > 32 || nmax > 32 || threads < 1 || threads > 4)
        return fail(QStringLiteral("orders lie within 0..32 and threads within 1..4"));
    if (nmin > nmax)
        return fail(QStringLiteral("--nmin %1 lies above --nmax %2: no order to search")
                        .arg(nmin)
                        .arg(nmax));

    Graph mainGraph(QStringLiteral("main"), false);
    Problem board(&mainGraph, QStringLiteral("white"), false);
    QString error;
    if (!readProblem(args.at(1), board, error))
        return fail(error);
    // The manager makes one job per order and objective pattern: none without an objective,
    // and a run of nothing must not pass for a measurement.
    if (board.getObjectives().isEmpty())
        return fail(
            QStringLiteral("%1 holds no objective: there is nothing to search").arg(args.at(1)));
    // Jobs of the main graph's order start from it: a random graph of the first order, drawn
    // apart from the workers' own seeds, never one padded with isolated vertices.
    qsrand(seed >= 0 ? uint(seed) ^ 0x5bd1e995u : uint(QTime::currentTime().msec()));
    mainGraph.randomGraph(nmin);

    DataLoader loader;
    VNSManager manager(&board, &mainGraph, nullptr, nullptr, &loader);
    if (seed >= 0)
        manager.setSeed(seed);
    manager.slot_set_p1min(nmin);
    manager.slot_set_p1max(nmax);
    manager.slot_setMaxTime(seconds);
    manager.slot_set_nb_threads(threads);
    manager.slot_set_max_evals(maxEvals);
    manager.slot_set_start_random(startRandom);
    QObject::connect(&manager, &VNSManager::signal_optimization_complete, qApp,
                     &QCoreApplication::quit, Qt::QueuedConnection);

    QElapsedTimer wall;
    wall.start();
    manager.slot_startVNS();
    if (manager.isRunning())
        QCoreApplication::exec();
    manager.wait();
    const double elapsed = wall.elapsed() / 1000.0;

    for (int j = 0; j < manager.nbJobs(); ++j) {
        QStringList factors;
        for (double f : manager.jobPattern(j))
            factors << QString::number(f);
        const QString head = QStringLiteral("n=%1\tpattern=%2\t")
                                 .arg(manager.jobOrder(j))
                                 .arg(factors.join(QLatin1Char(',')));
        OptimalSolutions *archive = manager.jobArchive(j);
        archive->lock();
        for (int i = 0; i < archive->size(); ++i) {
            const Solution *s = archive->OSSolution(i);
            printLine(head + s->getGraph() + QLatin1Char('\t') + s->getValue()->display());
        }
        archive->unlock();
    }
    qint64 evaluations = 0;
    for (int t = 0; t < 4; ++t)
        evaluations += manager.worker(t)->evaluationsDone();
    printLine(QStringLiteral("evaluations=%1\tseconds=%2\tper_second=%3")
                  .arg(evaluations)
                  .arg(elapsed, 0, 'g', 6)
                  .arg(elapsed > 0 ? evaluations / elapsed : 0.0, 0, 'g', 6));
    return finish();
}

} // namespace

int main(int argc, char **argv)
{
    // Graphs and boards are widgets: an offscreen application with no window shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    if (args.first() == QLatin1String("search"))
        return runSearch(args);
    if (args.first() == QLatin1String("eval"))
        return runEval(args);
    return usage();
}
