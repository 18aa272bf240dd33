#pragma once

#include "optimizer/OptimalSolutions.h"
#include "problem/Eval.h"

#include <QColor>
#include <QString>
#include <QThread>
#include <QVector>

#include <atomic>
#include <mutex>

class Graph;
class Problem;

/// One search worker: runs one job at a time (an order n, a vector of opt factors and the
/// job's archive) by Variable Neighborhood Search on its own graph and board clone, and
/// publishes every graph the job archive accepts into the main graph and the white board.
///
/// Threads: the object lives in the GUI thread, where its slots run; init() is called by the
/// job manager's thread on an idle worker; run(), the searches and best_backup() run in the
/// worker's thread. Settings, flags and counters shared between them are atomic.
class VNS : public QThread
{
    Q_OBJECT
public:
    VNS(Problem *board, Graph *mainGraph, int threadNo, std::mutex *workerMutex);
    ~VNS() override;

    /// Prepares one job; maxTime in milliseconds. problemText is the run's snapshot of the
    /// white board's problem text, loaded into the board clone. The worker is busy from here
    /// until its run ends, and a stop that arrives before run() starts is kept.
    void init(int nbnod, qint64 maxTime, OptimalSolutions *jobArchive, QVector<double> optFactors,
              int jobNumber, const QString &problemText);
    /// The search loop of one job; called by run().
    void optimize();
    /// Publishes the job archive's newest solution under the worker and archive locks, then
    /// reports it.
    void best_backup(const QString &label);
    /// Milliseconds since the job started (monotonic clock).
    double timeOpt() const;
    void clear();
    void setBestOptimalSolutions(OptimalSolutions *archive) { jobArchive.store(archive); }

    // Neighbourhoods.
    /// Up to k degree-preserving double-edge swaps (none below order 5); then the local
    /// archive holds only the shaken graph.
    void perturb(int k);
    /// True when the job archive accepted a graph of its passes.
    bool ls_add_rem();
    /// ls_add_rem(), then the learned four-vertex search.
    bool ls_stoquad();
    int quadSignature(const int *q) const;
    void setQuadGraph(const int *q, int code);
    void clear_stoquad_matrix();

    // Inspection, for the manager, the driver and the tests.
    Graph *getGraph() const { return graph; }
    Problem *getBoard() const { return boardClone; }
    OptimalSolutions *getLocalArchive() { return &localArchive; }
    double stoquad(int s, int t) const { return stoquadMatrix[s][t]; }
    void setStoquad(int s, int t, double v) { setScore(s, t, v); }
    /// A job was handed over and its run has not ended yet.
    bool isJobActive() const { return jobActive.load(std::memory_order_acquire); }
    bool isStopped() const { return stopFlag.load(std::memory_order_acquire); }
    int getKMin() const { return kmin.load(); }
    int getKMax() const { return kmax.load(); }
    /// Evaluations of every job this worker has ended.
    qint64 evaluationsDone() const { return totalEvals.load(); }
    /// Seeds every job's generator with seed + job number instead of the clock (-1: clock).
    void setSeed(int seed) { fixedSeed.store(seed); }
    /// Sets the stop flag without the manager, as another thread would.
    void requestStop() { stopFlag.store(true, std::memory_order_release); }
    /// Waits for the worker's thread to finish, then reads the end flag again: its job stores
    /// it once more after waking the dispatch, and only this read hands all that the thread
    /// wrote to the sanitizer, which cannot see the join inside Qt.
    void join();

public slots:
    void run() override;
    void slot_timer();
    void slot_setKMin(int v) { kmin.store(v); }
    void slot_setKMax(int v) { kmax.store(v); }
    void slot_setKStep(int v) { kstep.store(v); }
    void slot_setMaxTime(qint64 ms) { maxTime.store(ms); }
    void slot_set_nbnod(int n) { nbnod.store(n); }
    void slot_set_agressivity(double value);
    void slot_reset_stats(bool b) { resetStats.store(b); }
    void slot_set_start_random(bool b);
    void slot_optimize_family_in_ls(bool b) { localArchive.setFamily(b); }
    void slot_set_amnesy_mode(bool b) { amnesyMode.store(b); }
    void slot_set_max_evals(int max);
    void slot_terminateVNS();

signals:
    void signal_console(QString text, bool debug, int level, QColor colour, int threadNo);
    void signal_best_solution_changed();
    void signal_nb_best_solutions(int size);
    void signal_progress_vns(int job, qint64 value, qint64 maximum);
    /// The job handed over by init() has ended (from the worker's thread, or from the caller of
    /// run() when no thread was started).
    void signal_job_ended(int threadNo);

private:
    /// Stop flag set, or the evaluation limit reached, which stops the job here at once.
    bool stopping();
    /// Evaluates the worker graph into the scratch record.
    void evaluate();
    /// Scratch record to the local archive; when taken, to the job archive, publishing under
    /// `label` when taken there too. Returns whether the local archive took it; `published`
    /// tells whether the job archive did.
    bool offerScratch(const char *label, bool &published);
    /// The start of a local search: the worker graph offered as by offerScratch(), and the
    /// vertex order reset to 0, 1, ...; returns the vertex count.
    int startLocalSearch(const char *label, bool &published);
    void shuffleOrder(int n);
    /// Writes a stoquad entry and its cached hyperbolic tangent.
    void setScore(int s, int t, double v);
    /// The quadruple q, of signature `from`, rewired to signature `to`.
    void rewireQuad(const int *q, int from, int to);
    void centreStoquad();
    void say(const QString &text, bool debug, int level, const QColor &colour);
    void endJob();
    static qint64 nowMs();

    const int threadNo;
    std::mutex *workerMutex;
    Problem *boardClone = nullptr;
    Problem *whiteBoard;
    Graph *mainGraph;
    Graph *graph = nullptr;
    std::atomic<qint64> jobStart{0};
    std::atomic<bool> stopFlag{true};
    std::atomic<bool> readyFlag{false};
    std::atomic<bool> jobActive{false};
    std::atomic<int> kmin{4};
    std::atomic<int> kmax{20};
    std::atomic<int> kstep{1};
    int k = 0;
    std::atomic<bool> startRandom{false};
    std::atomic<double> agressivity{0.3};
    std::atomic<qint64> maxTime{600000};
    std::atomic<int> nbnod{10};
    std::atomic<int> jobNumber{-1};
    std::atomic<bool> resetStats{true};
    OptimalSolutions localArchive;
    std::atomic<OptimalSolutions *> jobArchive{nullptr};
    bool localChange = false;
    std::atomic<bool> amnesyMode{true};
    std::atomic<int> fixedSeed{-1};
    std::atomic<qint64> totalEvals{0};
    double stoquadMatrix[64][64];
    // tanh of each entry, kept with it: the four-vertex search reads 63 of them per quadruple.
    double stoquadTanh[64][64];
    Eval scratch;
    int order[32];
};
