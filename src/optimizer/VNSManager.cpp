#include "optimizer/VNSManager.h"

#include "explorer/DataLoader.h"
#include "optimizer/OptimalSolutions.h"
#include "optimizer/VNS.h"
#include "problem/Problem.h"

#include <QTimerEvent>

namespace
{

const int kPoolSize = 4;
// 2^10 factor patterns per order at most.
const int kMaxFreeObjectives = 10;

} // namespace

VNSManager::VNSManager(Problem *whiteBoard, Graph *graph, AnalystWidget *, AnalystWidget *,
                       DataLoader *loader)
    : QThread(nullptr), board(whiteBoard), mainGraph(graph), workerMutex(new std::mutex),
      dataLoader(loader)
{
    for (int t = 0; t < kPoolSize; ++t) {
        VNS *w = new VNS(board, mainGraph, t, workerMutex);
        workers.append(w);
        connections
            << connect(this, &VNSManager::signal_max_evals, w, &VNS::slot_set_max_evals)
            << connect(this, &VNSManager::signal_terminate_jobs, w, &VNS::slot_terminateVNS)
            << connect(this, &VNSManager::signal_set_amnesy_mode, w, &VNS::slot_set_amnesy_mode)
            << connect(this, &VNSManager::signal_optimize_family_in_ls, w,
                       &VNS::slot_optimize_family_in_ls)
            << connect(this, &VNSManager::signal_set_start_random, w, &VNS::slot_set_start_random)
            << connect(this, &VNSManager::signal_reset_stats, w, &VNS::slot_reset_stats)
            << connect(this, &VNSManager::signal_set_agressivity, w, &VNS::slot_set_agressivity)
            << connect(this, &VNSManager::signal_timer, w, &VNS::slot_timer)
            << connect(w, &VNS::signal_best_solution_changed, this, &VNSManager::slot_new_solution)
            << connect(w, &VNS::signal_console, this, &VNSManager::slot_console)
            << connect(w, &VNS::signal_progress_vns, this, &VNSManager::slot_vns_progress)
            // Runs in the worker's thread: the dispatch sleeps until a worker is free.
            << connect(
                   w, &VNS::signal_job_ended, this, [this] { wakeDispatch(); },
                   Qt::DirectConnection);
    }
    startTimer(1000, Qt::CoarseTimer);
}

VNSManager::~VNSManager()
{
    // The shell waits for the run to end first; should it not, the run is stopped here so
    // that its thread no longer uses the workers about to be deleted.
    if (isRunning())
        slot_stopVNS();
    wait();
    // Acquire what the run wrote before it ended (QThread::wait is opaque to sanitizers).
    isRunActive();
    for (const QMetaObject::Connection &c : connections)
        disconnect(c);
    // A deleted worker stops its search and waits for its own thread.
    qDeleteAll(workers);
    workers.clear();
    quit();
    wait();
    qDeleteAll(jobArchives);
    delete workerMutex;
}

void VNSManager::setSeed(int seed)
{
    for (VNS *w : workers)
        w->setSeed(seed);
}

void VNSManager::timerEvent(QTimerEvent *)
{
    emit signal_timer();
}

void VNSManager::say(const QString &text, const QColor &colour)
{
    emit signal_console(text, false, 0, colour);
}

// ------------------------------------------------------------------ settings and relays

void VNSManager::slot_set_nb_threads(int n)
{
    nbThreads.store(n);
    wakeDispatch();
}

void VNSManager::slot_console(QString text, bool debug, int level, QColor colour, int threadNo)
{
    emit signal_console(text, debug, level, colour, threadNo);
}

void VNSManager::slot_vns_progress(int job, qint64 value, qint64 maximum)
{
    // A late report of an earlier run would move a bar of this one.
    if (job < 0 || job >= jobOrders.size())
        return;
    emit signal_vns_progress(job, value, maximum);
}

void VNSManager::slot_new_solution()
{
    emit signal_new_solution();
}

void VNSManager::slot_set_max_evals(int max)
{
    emit signal_max_evals(max);
}

void VNSManager::slot_set_amnesy_mode(bool b)
{
    emit signal_set_amnesy_mode(b);
}

void VNSManager::slot_optimize_family_in_ls(bool b)
{
    emit signal_optimize_family_in_ls(b);
}

void VNSManager::slot_set_start_random(bool b)
{
    emit signal_set_start_random(b);
}

void VNSManager::slot_reset_stats(bool b)
{
    emit signal_reset_stats(b);
}

void VNSManager::slot_set_agressivity(double value)
{
    emit signal_set_agressivity(value);
}

void VNSManager::slot_setMaxTime(int seconds)
{
    maxTime.store(qint64(seconds) * 1000);
}

void VNSManager::slot_add_graphs_analyst()
{
    emit signal_graphs_ready();
    emit signal_enable_add_graphs(false);
    emit signal_nb_graphs(QStringLiteral("0 graphs waiting"));
}

void VNSManager::slot_auto_add_graphs(bool b)
{
    autoAdd.store(b);
    if (!b)
        emit signal_enable_add_graphs(false);
}

// ------------------------------------------------------------------ runs

void VNSManager::slot_startVNS()
{
    // The previous run's archives are deleted below: its thread must be seen to be done.
    if (isRunning() || isRunActive())
        return;
    const QVector<int> pattern = board ? board->getOptimizationPattern() : QVector<int>();
    if (pattern.count(0) > kMaxFreeObjectives) {
        say(QStringLiteral("Too many objectives set to both directions: %1 give 2^%1 patterns, "
                           "at most 2^%2 are allowed")
                .arg(pattern.count(0))
                .arg(kMaxFreeObjectives),
            QColor(Qt::red));
        return;
    }
    jobOrders.clear();
    qDeleteAll(jobArchives);
    jobArchives.clear();
    jobPatterns.clear();

    QVector<QVector<double>> base;
    for (int value : pattern) {
        if (value == 1 || value == -1) {
            if (base.isEmpty())
                base.append(QVector<double>{double(value)});
            else
                for (QVector<double> &b : base)
                    b.append(value);
        } else if (value == 0) {
            if (base.isEmpty()) {
                base = {{-1.0}, {1.0}};
            } else {
                const int m = base.size();
                for (int i = 0; i < m; ++i)
                    base.append(base[i]);
                for (int i = 0; i < m; ++i) {
                    base[i].append(-1.0);
                    base[m + i].append(1.0);
                }
            }
        }
    }
    const int M = base.size();
    const int lo = qBound(0, p1min.load(), 32);
    const int hi = qBound(0, p1max.load(), 32);
    for (int n = lo; n <= hi; ++n)
        for (int b = 0; b < M; ++b) {
            jobOrders.append(n);
            jobArchives.append(new OptimalSolutions);
            jobPatterns.append(base[b]);
        }
    // One snapshot for every job of the run.
    problemText = board ? board->saveString() : QString();
    {
        std::lock_guard<std::mutex> guard(dispatchMutex);
        nextJob.store(0);
    }
    emit signal_nb_jobs(jobOrders.size());
    runActive.store(true, std::memory_order_release);
    start();
}

void VNSManager::slot_stopVNS()
{
    {
        std::lock_guard<std::mutex> guard(dispatchMutex);
        nextJob.store(jobOrders.size());
    }
    emit signal_terminate_jobs();
    wakeDispatch();
}

void VNSManager::wakeDispatch()
{
    std::lock_guard<std::mutex> guard(idleMutex);
    idleCondition.notify_all();
}

int VNSManager::idleWorker() const
{
    const int usable = qBound(1, nbThreads.load(), kPoolSize);
    for (int t = 0; t < usable; ++t)
        if (!workers[t]->isJobActive())
            return t;
    return -1;
}

void VNSManager::run()
{
    emit signal_optimization_starts();
    const int N = jobOrders.size();
    while (nextJob.load() < N) {
        int t;
        {
            std::unique_lock<std::mutex> lock(idleMutex);
            idleCondition.wait(lock, [&] { return nextJob.load() >= N || idleWorker() >= 0; });
            t = idleWorker();
        }
        if (t < 0)
            continue;
        VNS *w = workers[t];
        // Its previous job has ended; let its thread finish before it is started again.
        w->join();
        int j = -1;
        {
            std::lock_guard<std::mutex> guard(dispatchMutex);
            if (nextJob.load() < N) {
                j = nextJob.load();
                w->init(jobOrders[j], maxTime.load(), jobArchives[j], jobPatterns[j], j,
                        problemText);
                nextJob.store(j + 1);
            }
        }
        if (j < 0)
            continue;
        say(QStringLiteral("Starting job ") + QString::number(j + 1) + QLatin1Char('/') +
                QString::number(N),
            QColor(Qt::black));
        w->start();
    }
    for (VNS *w : workers)
        w->join();
    emit signal_please_wait(true);

    dataLoader->clear();
    emit signal_nb_graphs(QStringLiteral("0 graphs waiting"));
    int count = 0;
    for (OptimalSolutions *archive : jobArchives) {
        archive->lock();
        const QVector<QString> graphs = archive->graphs();
        archive->unlock();
        for (const QString &g : graphs)
            dataLoader->addGraph(g);
        count += graphs.size();
    }
    say(QStringLiteral("Nb Sols = ") + QString::number(count), QColor(Qt::blue));
    say(QString::number(dataLoader->size()) + QStringLiteral(" Graphs added."), QColor(Qt::blue));
    emit signal_optimization_complete();
    emit signal_nb_graphs(QString::number(dataLoader->size()) + QStringLiteral(" graphs waiting"));
    if (autoAdd.load())
        slot_add_graphs_analyst();
    else
        emit signal_enable_add_graphs(true);
    emit signal_please_wait(false);
    runActive.store(false, std::memory_order_release);
}
