#pragma once

#include "conjectures/Conjecture.h"

#include <QString>
#include <QStringList>
#include <QThread>
#include <QVector>
#include <atomic>

/// One worker thread of the conjecture search: finds hyperplanes through d points
/// (d variables) that leave every point on their allowed side, by randomised local
/// search over the choice of those d points, and reports each as a relation.
///
/// Set up while idle (clear, options, header, weights, points), then start().
/// Records made during a run belong to the engine until its next run begins.
class ConjectureEngine : public QThread
{
    Q_OBJECT

public:
    /// Default time limit of a run, in milliseconds.
    static constexpr qint64 DEFAULT_LIMIT = 120000;

    explicit ConjectureEngine(int id);
    ~ConjectureEngine() override;

    void clear();
    void setSq(bool on);
    void setProd(bool on);
    void setCombine(bool on);
    void setHeader(QStringList names);
    /// One weight per header name; call only while the engine is not running.
    void setWeights(QVector<double> w);
    /// The job's weights as setWeights() gave them, read like it: while the engine is not
    /// running, or from run() before the search. A run fits them to the header and appends
    /// those of the derived variables.
    QVector<double> getWeights() const { return weights; }
    /// Ignored while a run is under way, when x's length differs from the header's, or
    /// when x repeats a held point within 1e-6. A point with a NaN or infinite coordinate
    /// is refused and counted (see nbRefused()).
    void addPoint(QVector<double> x, int graphNo);

    /// The engine's own running flag, which falls just before signal_complete().
    bool isRunning() const { return running.load(); }
    /// Time limit in milliseconds, checked by slot_timer(); DEFAULT_LIMIT unless set.
    void setLimit(qint64 ms) { limit.store(ms); }
    qint64 getLimit() const { return limit.load(); }
    /// Seed of the pseudo-random generator for the following runs; a negative seed
    /// (the default) seeds from the clock at each run.
    void setSeed(int s) { seed = s; }
    /// The following runs end after this many search cycles, whatever the time; 0 (the
    /// default) leaves them to the time limit and cancel(). With a seed, a run's relations
    /// then depend on nothing but its set-up.
    void setCycleLimit(int cycles) { cycleLimit = cycles; }

    int nbPoints() const { return points.size(); }
    QVector<int> getGraphNos() const { return graphNos; }
    /// Points refused since the last setHeader() because a coordinate, given or derived,
    /// was not finite.
    int nbRefused() const { return refused; }
    /// Of the last run, read once it has ended: the number of variables (derived ones
    /// included) and of points searched, and whether the points were too few to search.
    int searchedVariables() const { return dim; }
    int searchedPoints() const { return searched; }
    bool hadTooFewPoints() const { return tooFew; }
    /// The records of the last run, best first once it has ended (in the order found when it
    /// was cancelled); owned by the engine.
    QVector<Conjecture *> getConjectures() const { return conjectures; }

    /// The readable form of sum coefs[k] * v_k <= offset. A term is left out only when
    /// |coefs[k]| * magnitude[k] is at most 1e-6, magnitude[k] being the largest |v_k|
    /// over the points; the scale is the smallest |coefs[k]| above 0.001 (at most 1000).
    static QString relationText(const QVector<double> &coefs, double offset,
                                const QVector<QString> &names, const QVector<double> &magnitude);
    /// The console line of a stored relation: text, score and engine number.
    static QString consoleText(const QString &relation, int touching, double sumErr, int id);

signals:
    void signal_conjecture(QString text);
    void signal_progress(int id, qint64 elapsed, qint64 limit);
    void signal_complete();
    void signal_new_conjecture(Conjecture *c);
    void signal_not_enough_points();

public slots:
    void run() override;
    void cancel();
    void slot_timer();

private:
    bool eval();
    void compute_m();
    void update_stats();
    void store();
    void addDerivedVariables();
    void dropNonFinitePoints();
    void loc_backup();
    void loc_restore();
    void best_backup();
    void best_restore();
    void exchange(int a, int b);
    int randomBelow(int n);

    QVector<QVector<double>> points;
    QVector<QString> header;
    QVector<double> weights;
    QVector<int> boundary;
    QVector<int> graphNos;
    int id;
    bool sq = false;
    bool prod = false;
    bool combine = false;
    std::atomic<bool> setupOpen{true};
    std::atomic<bool> stop{false};
    /// Raised by cancel() only: the run hands over what it has without sorting it.
    std::atomic<bool> cancelled{false};
    std::atomic<bool> running{false};
    QVector<int> best_perm, perm, loc_perm;
    QVector<bool> violated;
    QVector<QVector<double>> storedCoefs;
    QVector<double> mean;
    QVector<QVector<double>> m;
    QVector<double> normal;
    double offset = 0.0;
    QVector<Conjecture *> conjectures;
    int best_nbViol = 0, nbViol = 0, loc_nbViol = 0;
    int best_touching = 0, touching = 0, loc_touching = 0;
    double best_sumErr = 0.0, sumErr = 0.0, loc_sumErr = 0.0;
    int dim = 0;
    int searched = 0;
    bool tooFew = false;
    /// Start of the run on the monotonic clock (QElapsedTimer reference), in ms.
    std::atomic<qint64> startTime{0};
    std::atomic<qint64> limit{DEFAULT_LIMIT};
    std::atomic<qint64> elapsed{0};

    /// Largest |unweighted value| of each variable over the points.
    QVector<double> magnitude;
    int refused = 0;
    int seed = -1;
    int cycleLimit = 0;
};
