#pragma once

#include <QColor>
#include <QString>
#include <QThread>
#include <QVector>

#include <atomic>
#include <condition_variable>
#include <mutex>

class AnalystWidget;
class DataLoader;
class Graph;
class OptimalSolutions;
class Problem;
class QTimerEvent;
class VNS;

/// Front of the optimizer: turns one run of the white board into jobs (one per order n and
/// objective factor pattern), hands them to a pool of four search workers, and when every
/// worker has ended pours the graphs of all job archives into the data loader. It relays the
/// panel's settings to the workers and their messages and progress back; its 1 s timer is the
/// workers' clock.
///
/// The object and its workers live in the GUI thread; only run() executes in the manager's
/// thread, which sleeps while every worker it may use is busy.
class VNSManager : public QThread
{
    Q_OBJECT
public:
    VNSManager(Problem *board, Graph *mainGraph, AnalystWidget *graphExplorer,
               AnalystWidget *vertexExplorer, DataLoader *dataLoader);
    ~VNSManager() override;

    int nbJobs() const { return jobOrders.size(); }
    int jobOrder(int j) const { return jobOrders.value(j); }
    QVector<double> jobPattern(int j) const { return jobPatterns.value(j); }
    OptimalSolutions *jobArchive(int j) const { return jobArchives.value(j); }
    VNS *worker(int t) const { return workers.value(t); }
    qint64 getMaxTime() const { return maxTime.load(); }
    /// The orders of the next run, as last set.
    int getP1min() const { return p1min.load(); }
    int getP1max() const { return p1max.load(); }
    /// Every worker seeds its jobs with seed + job number instead of the clock (-1: clock).
    void setSeed(int seed);
    /// False once the run's thread has done its last work. Read after wait(), it also hands
    /// what the run wrote to the sanitizer, which cannot see the join inside Qt.
    bool isRunActive() const { return runActive.load(std::memory_order_acquire); }

public slots:
    void run() override;
    /// Workers used by the next dispatch step; held within 1..4 when read.
    void slot_set_nb_threads(int n);
    void slot_console(QString text, bool debug, int level, QColor colour, int threadNo);
    void slot_vns_progress(int job, qint64 value, qint64 maximum);
    void slot_new_solution();
    /// Smallest order of the next run; held within 0..32 when the run starts.
    void slot_set_p1min(int n) { p1min.store(n); }
    /// Largest order of the next run; held within 0..32 when the run starts.
    void slot_set_p1max(int n) { p1max.store(n); }
    /// 0 means no limit.
    void slot_set_max_evals(int max);
    void slot_startVNS();
    void slot_stopVNS();
    void slot_set_amnesy_mode(bool b);
    void slot_optimize_family_in_ls(bool b);
    void slot_set_start_random(bool b);
    void slot_reset_stats(bool b);
    void slot_set_agressivity(double value);
    /// Seconds; 0 ends each job at the first tick.
    void slot_setMaxTime(int seconds);
    void slot_add_graphs_analyst();
    void slot_auto_add_graphs(bool b);

signals:
    void signal_optimization_complete();
    void signal_optimization_starts();
    void signal_please_wait(bool visible);
    void signal_terminate_jobs();
    void signal_max_evals(int max);
    void signal_console(QString text, bool debug, int level, QColor colour);
    void signal_console(QString text, bool debug, int level, QColor colour, int threadNo);
    void signal_set_amnesy_mode(bool b);
    void signal_optimize_family_in_ls(bool b);
    void signal_set_start_random(bool b);
    void signal_reset_stats(bool b);
    void signal_set_agressivity(double value);
    void signal_new_solution();
    void signal_graphs_ready();
    void signal_nb_graphs(QString text);
    void signal_enable_add_graphs(bool enabled);
    void signal_nb_jobs(int n);
    void signal_vns_progress(int job, qint64 value, qint64 maximum);
    void signal_timer();

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    /// Index of an idle worker among the first nbThreads, -1 when all are busy.
    int idleWorker() const;
    /// Wakes the dispatch when a worker ended, the run was stopped or nbThreads changed.
    void wakeDispatch();
    void say(const QString &text, const QColor &colour);

    Problem *board;
    Graph *mainGraph;
    QVector<int> jobOrders;
    std::atomic<qint64> maxTime{600000};
    QVector<OptimalSolutions *> jobArchives;
    QVector<QVector<double>> jobPatterns;
    std::mutex *workerMutex;
    std::mutex dispatchMutex;
    QVector<VNS *> workers;
    DataLoader *dataLoader;
    std::atomic<int> nbThreads{4};
    std::atomic<int> nextJob{0};
    std::atomic<bool> autoAdd{true};
    std::atomic<int> p1min{10};
    std::atomic<int> p1max{10};
    std::atomic<bool> runActive{false};
    /// The problem text of the current run, taken on the GUI thread at its start.
    QString problemText;
    std::mutex idleMutex;
    std::condition_variable idleCondition;
    QVector<QMetaObject::Connection> connections;
};
