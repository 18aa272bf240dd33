#pragma once

#include <QColor>
#include <QObject>
#include <QStringList>
#include <QVector>

#include <functional>

class Analyst;
class Conjecture;
class ConjectureEngine;

/// The job side of one explorer's conjecture search: turns the orientation patterns into jobs
/// (a weight -1 or +1 per column), hands them to up to four engine threads over every row of
/// the explorer's table, keeps the distinct relations the engines report and, once the last
/// job has ended, sorts them best first and says so. The conjecture panel drives it.
///
/// Lives on the GUI thread: the engines' signals reach it queued, and nothing else calls it.
class ConjectureScheduler : public QObject
{
    Q_OBJECT
public:
    /// Searches of more jobs than this are refused: more variables on "Both" than this.
    static constexpr int MAX_FREE_VARIABLES = 10;
    static constexpr int MAX_JOBS = 1 << MAX_FREE_VARIABLES;
    static constexpr int MAX_THREADS = 4;
    using EngineFactory = std::function<ConjectureEngine *(int id)>;

    /// The table is not owned and must outlive the scheduler.
    explicit ConjectureScheduler(Analyst *analyst, QObject *parent = nullptr);
    /// Stops a search under way and waits for its engine threads.
    ~ConjectureScheduler() override;

    /// Number of variables on "Both" (pattern 0): the search has 2^k jobs.
    static int freeVariables(const QVector<int> &patterns);
    /// Job j of the patterns: -1 or +1 for "Lower" or "Upper"; for the b-th "Both" variable
    /// (from 0), -1 when bit b of j is 0 and +1 when it is 1. Built when handed out, so that
    /// a refused search never holds its jobs.
    static QVector<double> job(const QVector<int> &patterns, int j);

    /// Starts a search of the columns `header` with one pattern per column, on as many new
    /// engines as jobs and `threads` (1 to MAX_THREADS) allow, and hands each its first job;
    /// returns the number of engines. Only while no search is active, with at most MAX_JOBS
    /// jobs. The relations of the last search go.
    int start(const QStringList &header, const QVector<int> &patterns, int threads);
    /// From start() until signal_finished(): the search's engines exist.
    bool isActive() const { return !engines.isEmpty(); }
    /// The relations kept, best first once the search has finished; owned by the scheduler.
    const QVector<Conjecture *> &getConjectures() const { return conjectures; }
    void clearConjectures();

    /// Handles the completion of `engine`'s job: its next job, or the end of the search.
    /// A completion from no busy engine of this search is ignored.
    void jobComplete(const QObject *engine);
    /// Keeps a copy of the record unless a relation equal to it is kept already.
    void addConjecture(Conjecture *c);
    /// No further job is handed out; the running ones go on to their end.
    void cancel();
    /// cancel(), and the running jobs end early with what they found.
    void stop();
    /// stop(), and nothing of this search is kept: its relations name rows that are gone.
    void discard();
    /// stop(), then blocks until every engine thread has ended; the search finishes when
    /// their completions are handled.
    void stopAndWait();

    /// Options of the following hand-outs: squares, products, combined products.
    void setSq(bool on) { sq = on; }
    void setProd(bool on) { prod = on; }
    void setCombine(bool on) { combine = on; }
    /// Time limit of every job, in milliseconds (the engine's own default unless set).
    void setEngineLimit(qint64 ms) { engineLimit = ms; }
    /// Seeds job j with seed + j, whichever engine runs it; a negative seed (the default)
    /// seeds from the clock.
    void setEngineSeed(int seed) { engineSeed = seed; }
    /// Search cycles after which every job ends (0, the default: none; see
    /// ConjectureEngine::setCycleLimit()).
    void setEngineCycleLimit(int cycles) { engineCycles = cycles; }
    /// Makes engine `id` of a search; the scheduler owns it until the search ends.
    void setEngineFactory(EngineFactory factory) { engineFactory = std::move(factory); }

signals:
    void signal_console(QString text, bool debug, int level, QColor colour);
    /// An engine's relation text, for the console.
    void signal_conjecture(QString text);
    void signal_progress(int id, qint64 elapsed, qint64 limit);
    /// Why the search ended early or found little, for the user.
    void signal_note(QString text);
    /// Rows of the last hand-out with a cell that is empty (or not finite) in the search's
    /// columns, of all its rows; sent when either changes. The engines leave such rows out.
    void signal_rows_read(int leftOut, int rows);
    /// The search is over: every engine is gone and the relations are sorted.
    void signal_finished();

public slots:
    /// Lets every engine check its time limit and report its progress.
    void slot_timer();

private slots:
    /// An engine's signal_complete(): jobComplete() of the sender.
    void slot_job_complete();

private:
    /// Hands job nextJob to engine k and starts it; false, ending the hand-outs, when the
    /// table no longer has the search's columns.
    bool handOut(int k);
    void finish();

    Analyst *analyst;
    EngineFactory engineFactory;
    QVector<ConjectureEngine *> engines;
    /// Per engine: started here and its completion not yet handled. An engine is given a new
    /// job, and the search ends, only once its completion has been handled: then its
    /// relations have all arrived and its thread has ended.
    QVector<bool> busy;
    QVector<Conjecture *> conjectures;
    QStringList header;
    /// The search's patterns and job count stand for its jobs (see job()).
    QVector<int> patterns;
    int nbJobs = 0;
    int nextJob = 0;
    bool cancelled = false;
    bool discarded = false;
    int leftOut = 0;
    int rowsRead = 0;

    // What every hand-out gives the engine besides its job and the rows.
    bool sq = false;
    bool prod = false;
    bool combine = false;
    qint64 engineLimit;
    int engineSeed = -1;
    int engineCycles = 0;
};
