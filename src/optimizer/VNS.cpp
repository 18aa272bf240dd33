#include "optimizer/VNS.h"

#include "common/writeDiagnostic.h"
#include "graph/BitGraph.h"
#include "graph/Graph.h"
#include "numerics/Random.h"
#include "optimizer/Solution.h"
#include "problem/Problem.h"

#include <QElapsedTimer>
#include <QTime>

#include <cmath>

namespace
{

// The six pairs of a quadruple, in the bit order of its signature.
const int kQuadPairs[6][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}};

} // namespace

VNS::VNS(Problem *board, Graph *main, int number, std::mutex *mutex)
    : threadNo(number), workerMutex(mutex), whiteBoard(board), mainGraph(main)
{
    qsrand(static_cast<uint>(qrand() + threadNo));
    graph = new Graph(QStringLiteral("VNS"), false);
    graph->copy(mainGraph);
    if (whiteBoard) {
        boardClone = whiteBoard->clone();
        boardClone->setGraph(graph);
    }
    // The board clone's evaluation-limit signal is not connected: a queued stop would reach
    // the worker after its job ended and end the next job; the worker tests the limit itself.
    clear_stoquad_matrix();
    localArchive.setName(QStringLiteral("local"));
    localArchive.setFamily(true);
}

VNS::~VNS()
{
    if (isRunning())
        if (OptimalSolutions *job = jobArchive.load())
            job->close();
    stopFlag.store(true);
    quit();
    if (isRunning())
        writeDiagnostic("VNS waits");
    join();
    delete boardClone;
    delete graph;
}

qint64 VNS::nowMs()
{
    // Milliseconds of the monotonic clock, comparable between threads.
    QElapsedTimer clock;
    clock.start();
    return clock.msecsSinceReference();
}

double VNS::timeOpt() const
{
    return static_cast<double>(nowMs() - jobStart.load());
}

void VNS::say(const QString &text, bool debug, int level, const QColor &colour)
{
    emit signal_console(text, debug, level, colour, threadNo);
}

// ------------------------------------------------------------------ jobs

void VNS::init(int n, qint64 ms, OptimalSolutions *archive, QVector<double> optFactors, int number,
               const QString &problemText)
{
    jobArchive.store(archive);
    nbnod.store(n);
    maxTime.store(ms);
    jobNumber.store(number);
    {
        // Publishing workers rewrite the main graph under this mutex: copy it whole.
        std::lock_guard<std::mutex> workerLock(*workerMutex);
        graph->copy(mainGraph);
    }
    // A snapshot the clone cannot read would leave it on another problem, or empty: such a
    // job is handed over already stopped, so that run() ends it without searching.
    bool readable = true;
    if (boardClone) {
        boardClone->resetNbEvals();
        readable = boardClone->openString(problemText);
        boardClone->setNbNod(n);
        boardClone->setOptFactors(optFactors);
    }
    if (!readable)
        say(QStringLiteral("The problem cannot be read back: job ") + QString::number(number + 1) +
                QStringLiteral(" not searched"),
            false, 0, QColor(Qt::red));
    // The timer may tick before run() starts: it then measures from the hand-over, not from
    // the previous job's start.
    jobStart.store(nowMs());
    stopFlag.store(!readable, std::memory_order_release);
    jobActive.store(true, std::memory_order_release);
    readyFlag.store(true, std::memory_order_release);
}

void VNS::join()
{
    wait();
    jobActive.load(std::memory_order_acquire);
}

void VNS::endJob()
{
    if (boardClone)
        totalEvals.fetch_add(boardClone->nbEvals());
    // The manager may delete this object once it sees the job ended and the thread finished.
    // Stored again after waking the dispatch, so that join() also hands over the wake-up.
    const int number = threadNo;
    jobActive.store(false, std::memory_order_release);
    emit signal_job_ended(number);
    jobActive.store(false, std::memory_order_release);
}

void VNS::run()
{
    if (!readyFlag.load(std::memory_order_acquire))
        return;
    if (stopFlag.load(std::memory_order_acquire)) {
        // Stopped between the hand-over and the start: the job never searches.
        readyFlag.store(false);
        endJob();
        return;
    }
    // The main graph's order sets the shake sizes. An empty main graph would switch shaking
    // off for the whole job (k never leaves 0): the job's own order sets them instead.
    int order = graph->getNbNodes();
    if (order < 1)
        order = nbnod.load();
    kmin.store(order / 4);
    kmax.store(order);
    kstep.store(1);
    say(QStringLiteral("optimization running.. thread no=") + QString::number(threadNo), true, 2,
        QColor(Qt::black));
    optimize();
    endJob();
}

bool VNS::stopping()
{
    if (stopFlag.load(std::memory_order_relaxed))
        return true;
    if (boardClone && boardClone->isMaxEvalsReached()) {
        if (OptimalSolutions *job = jobArchive.load())
            job->close();
        stopFlag.store(true);
        emit signal_progress_vns(jobNumber.load(), 100, 100);
        return true;
    }
    return false;
}

void VNS::evaluate()
{
    boardClone->eval(&scratch);
}

void VNS::optimize()
{
    readyFlag.store(false);
    k = kmin.load();
    jobStart.store(nowMs());
    const int seed = fixedSeed.load();
    qsrand(seed >= 0 ? static_cast<uint>(seed + jobNumber.load())
                     : static_cast<uint>(QTime::currentTime().msec()));
    if (resetStats.load() || amnesyMode.load())
        clear_stoquad_matrix();
    const int n = nbnod.load();
    if (graph->getNbNodes() != n || startRandom.load())
        graph->randomGraph(n);
    localArchive.clear();
    best_backup(QStringLiteral("Restart"));
    OptimalSolutions *job = jobArchive.load();
    if (job && job->size() == 0) {
        evaluate();
        job->offer(&scratch, graph);
    }

    while (!stopping()) {
        localChange = true;
        perturb(k);
        localArchive.updateSolutions();
        bool success = false;
        while (localChange) {
            localChange = false;
            QVector<QString> starts = localArchive.graphs();
            if (starts.isEmpty()) {
                evaluate();
                localArchive.offer(&scratch, graph);
                starts.append(graph->currentGraphData());
            }
            for (const QString &start : starts) {
                if (stopping())
                    break;
                graph->loadCurrentGraph(start);
                if (ls_stoquad())
                    success = true;
            }
            localArchive.updateSolutions();
        }
        if (success) {
            say(QStringLiteral("ls succes"), true, 4, QColor(Qt::green));
            k = kmin.load();
            if (job) {
                const int s0 = job->size();
                job->updateSolutions();
                const int s1 = job->size();
                if (s1 != s0) {
                    say(QString::number(job->nbPoints()) + QStringLiteral(" points"), false, 1,
                        QColor(Qt::blue));
                    say(QStringLiteral("OPT SOL : ") + QString::number(s1), false, 1,
                        QColor(Qt::blue));
                }
            }
        } else {
            say(QStringLiteral("ls failed"), true, 4, QColor(Qt::green));
            k += kstep.load();
        }
        if (k > kmax.load())
            k = kmin.load();
        if (job) {
            QString restart;
            job->lock();
            if (job->size() > 0)
                restart = job->graph(mvx_rand(job->size()));
            job->unlock();
            if (!restart.isEmpty())
                graph->loadCurrentGraph(restart);
        }
    }
    say(QStringLiteral("VNS Complete (") + QString::number(threadNo) + QLatin1Char(')'), true, 4,
        QColor(Qt::blue));
}

void VNS::best_backup(const QString &label)
{
    OptimalSolutions *job = jobArchive.load();
    bool published = false;
    QString message;
    int size = 0;
    {
        std::lock_guard<std::mutex> workerLock(*workerMutex);
        if (job)
            job->lock();
        if (const Solution *s = job ? job->lastSolution() : nullptr) {
            const QString text = s->getGraph();
            graph->loadCurrentGraph(text);
            if (mainGraph)
                mainGraph->loadCurrentGraph(text);
            size = job->size();
            message = label + QStringLiteral(" [") + QString::number(threadNo) +
                      QStringLiteral("] : ") + s->getValue()->display() +
                      QStringLiteral("\t time = ") + QString::number(timeOpt(), 'g', 6) +
                      QLatin1Char('/') + QString::number(maxTime.load()) +
                      QStringLiteral(" nb evals = ") +
                      QString::number(boardClone ? boardClone->nbEvals() : 0) +
                      QStringLiteral(" #sol = ") + QString::number(size);
            published = true;
        }
        graph->best_backup();
        if (boardClone)
            boardClone->best_backup();
        if (whiteBoard)
            whiteBoard->best_backup();
        if (mainGraph)
            mainGraph->best_backup();
        if (job)
            job->unlock();
    }
    // Announced only once the graphs and boards hold the published graph.
    if (published) {
        emit signal_best_solution_changed();
        say(message, false, 1, QColor(Qt::gray));
        emit signal_nb_best_solutions(size);
    }
}

void VNS::clear()
{
    localArchive.clear();
    if (OptimalSolutions *job = jobArchive.load())
        job->clear();
    emit signal_nb_best_solutions(0);
}

// ------------------------------------------------------------------ slots

void VNS::slot_timer()
{
    if (stopFlag.load())
        return;
    const qint64 limit = maxTime.load();
    const int number = jobNumber.load();
    if (static_cast<qint64>(timeOpt()) >= limit) {
        emit signal_progress_vns(number, 100, 100);
        if (isRunning())
            if (OptimalSolutions *job = jobArchive.load())
                job->close();
        stopFlag.store(true);
        return;
    }
    const int evalLimit = boardClone ? boardClone->maxEvals() : 0;
    const int evals = boardClone ? boardClone->nbEvals() : 0;
    const double fe = evalLimit > 0 ? double(evals) / evalLimit : 0.0;
    const double ft = limit > 0 ? timeOpt() / double(limit) : 0.0;
    if (ft > fe)
        emit signal_progress_vns(number, static_cast<qint64>(timeOpt()), limit);
    else
        emit signal_progress_vns(number, evals, evalLimit);
}

void VNS::slot_set_agressivity(double value)
{
    agressivity.store(value);
    say(QStringLiteral("VNS: prob = ") + QString::number(value, 'g', 6), true, 0,
        QColor(Qt::green));
}

void VNS::slot_set_start_random(bool b)
{
    say(QStringLiteral("start random = ") + (b ? QStringLiteral("1") : QStringLiteral("0")), true,
        3, QColor(Qt::red));
    startRandom.store(b);
}

void VNS::slot_set_max_evals(int max)
{
    if (boardClone)
        boardClone->slot_set_max_eval(max);
}

void VNS::slot_terminateVNS()
{
    // Only a job of the current run moves a progress bar or has an archive to close.
    if (jobActive.load(std::memory_order_acquire)) {
        emit signal_progress_vns(jobNumber.load(), 100, 100);
        if (OptimalSolutions *job = jobArchive.load())
            job->close();
    }
    stopFlag.store(true, std::memory_order_release);
}

// ------------------------------------------------------------------ neighbourhoods

bool VNS::offerScratch(const char *label, bool &published)
{
    published = false;
    if (!localArchive.offer(&scratch, graph))
        return false;
    OptimalSolutions *job = jobArchive.load();
    if (job && job->offer(&scratch, graph)) {
        best_backup(QLatin1String(label));
        published = true;
    }
    return true;
}

void VNS::shuffleOrder(int n)
{
    for (int i = 0; i < n; ++i) {
        const int j = qrand() % n;
        const int t = order[i];
        order[i] = order[j];
        order[j] = t;
    }
}

void VNS::perturb(int kSwaps)
{
    const int n = graph->getNbNodes();
    if (n < 5)
        return;
    for (int attempt = 0; attempt < kSwaps; ++attempt) {
        const int r0 = qrand() % n, r1 = qrand() % n, r2 = qrand() % n, r3 = qrand() % n;
        // One snapshot per attempt: the search reads only, the swap writes through the graph.
        BitGraph g;
        graph->snapshot(g);
        bool done = false;
        for (int i = 0; i < n - 1 && !done; ++i) {
            const int a = (r0 + i) % n;
            for (int j = 0; j < n && !done; ++j) {
                const int b = (r1 + j) % n;
                if (b == a || !g.edge(a, b))
                    continue;
                for (int l = 0; l < n && !done; ++l) {
                    const int c = (r2 + l) % n;
                    if (c == a || c == b || g.edge(c, b))
                        continue;
                    for (int m = 0; m < n && !done; ++m) {
                        const int d = (r3 + m) % n;
                        if (d == a || d == b || d == c || !g.edge(c, d) || g.edge(a, d))
                            continue;
                        graph->remEdge(a, b);
                        graph->remEdge(c, d);
                        graph->addEdge(a, d);
                        graph->addEdge(c, b);
                        done = true;
                    }
                }
            }
        }
    }
    localArchive.clear();
    evaluate();
    localArchive.offer(&scratch, graph);
}

int VNS::startLocalSearch(const char *label, bool &published)
{
    evaluate();
    offerScratch(label, published);
    const int n = qMin(graph->getNbNodes(), 32);
    for (int i = 0; i < n; ++i)
        order[i] = i;
    return n;
}

bool VNS::ls_add_rem()
{
    bool published = false;
    const int n = startLocalSearch("ls_add_rem", published);
    bool improved = false;
    bool changed;
    do {
        shuffleOrder(n);
        changed = false;
        for (int i = 0; i < qMin(n, graph->getNbNodes()); ++i)
            for (int j = i + 1; j < qMin(n, graph->getNbNodes()); ++j) {
                if (stopping())
                    continue;
                const int a = order[i], b = order[j];
                // Both cells and the counter move, so the evaluation sees the flipped pair.
                const bool joined = graph->edge(a, b);
                if (joined)
                    graph->remEdge(a, b);
                else
                    graph->addEdge(a, b);
                evaluate();
                if (offerScratch("ls_add_rem", published)) {
                    localChange = true;
                    changed = true;
                    improved = improved || published;
                } else if (joined) {
                    graph->addEdge(a, b);
                } else {
                    graph->remEdge(a, b);
                }
            }
    } while (changed);
    return improved;
}

int VNS::quadSignature(const int *q) const
{
    int code = 0;
    for (int p = 0; p < 6; ++p)
        if (graph->edge(q[kQuadPairs[p][0]], q[kQuadPairs[p][1]]))
            code |= 1 << p;
    return code;
}

void VNS::setQuadGraph(const int *q, int code)
{
    for (int p = 0; p < 6; ++p) {
        const int u = q[kQuadPairs[p][0]], v = q[kQuadPairs[p][1]];
        if (code & (1 << p))
            graph->addEdge(u, v);
        else
            graph->remEdge(u, v);
    }
}

void VNS::rewireQuad(const int *q, int from, int to)
{
    // Only the pairs whose bit differs: the same graph as setQuadGraph(q, to), fewer locks.
    const int differing = from ^ to;
    for (int p = 0; p < 6; ++p) {
        if (!(differing & (1 << p)))
            continue;
        const int u = q[kQuadPairs[p][0]], v = q[kQuadPairs[p][1]];
        if (to & (1 << p))
            graph->addEdge(u, v);
        else
            graph->remEdge(u, v);
    }
}

void VNS::clear_stoquad_matrix()
{
    for (int s = 0; s < 64; ++s)
        for (int t = 0; t < 64; ++t)
            stoquadMatrix[s][t] = stoquadTanh[s][t] = 0.0;
}

void VNS::setScore(int s, int t, double v)
{
    stoquadMatrix[s][t] = v;
    stoquadTanh[s][t] = std::tanh(v);
}

void VNS::centreStoquad()
{
    int count = 0;
    double sum = 0.0;
    for (const auto &row : stoquadMatrix)
        for (double x : row)
            if (std::fabs(x) > 0.01) {
                ++count;
                sum += x;
            }
    if (count == 0)
        return;
    const double mean = sum / count;
    for (int s = 0; s < 64; ++s)
        for (int t = 0; t < 64; ++t)
            if (std::fabs(stoquadMatrix[s][t]) > 0.01)
                setScore(s, t, stoquadMatrix[s][t] - mean);
}

bool VNS::ls_stoquad()
{
    bool result = ls_add_rem();
    bool published = false;
    const int n = startLocalSearch("ls_stoquad init", published);
    const double bias = agressivity.load();
    bool changed;
    do {
        shuffleOrder(n);
        changed = false;
        auto bound = [this, n] { return qMin(n, graph->getNbNodes()); };
        for (int i = 0; i < bound(); ++i)
            for (int j = i + 1; j < bound(); ++j)
                for (int k2 = j + 1; k2 < bound(); ++k2)
                    for (int l = k2 + 1; l < bound(); ++l) {
                        if (stopping())
                            continue;
                        const int q[4] = {order[i], order[j], order[k2], order[l]};
                        int s = quadSignature(q);
                        for (int t = 0; t < 64; ++t) {
                            if (t == s)
                                continue;
                            const double threshold = 2.0 * mvx_rand() - 0.5;
                            if (!(stoquadTanh[s][t] + bias > threshold))
                                continue;
                            rewireQuad(q, s, t);
                            evaluate();
                            if (offerScratch("ls_stoquad", published)) {
                                localChange = true;
                                setScore(s, t, stoquadMatrix[s][t] + 1.0);
                                result = result || published;
                                changed = true;
                                s = t;
                            } else {
                                setScore(s, t, stoquadMatrix[s][t] - 0.1);
                                rewireQuad(q, t, s);
                            }
                        }
                    }
    } while (changed);
    centreStoquad();
    return result;
}
