#pragma once

#include <QList>
#include <QString>
#include <QVector>

#include <atomic>
#include <mutex>

class Eval;
class Graph;
class Solution;

/// Archive of the best graphs found: feasibility first, then the violation amounts position
/// by position, then a Pareto front of objective points under minimisation, all within 1e-6.
/// In family mode an objective vector contributes one member point per entry (single values
/// broadcast). A solution is owned by the archive once accepted; a refused one stays the
/// caller's. An accepted solution is never deleted by the offer that accepted it.
///
/// size(), nbPoints(), graph(), graphs(), lastSolution(), OSSolution() and display() take no
/// lock: callers that need a consistent view hold lock().
class OptimalSolutions
{
public:
    OptimalSolutions();
    ~OptimalSolutions();
    OptimalSolutions(const OptimalSolutions &) = delete;
    OptimalSolutions &operator=(const OptimalSolutions &) = delete;

    /// True: accepted, the archive owns s. False: refused, s is still the caller's.
    bool addSolution(Solution *s);
    /// The same judgement as addSolution for a candidate that is not yet a Solution: only
    /// when it is accepted are the record copied and the graph string of the graph's current
    /// graph built. Refusal costs no allocation.
    bool offer(const Eval *record, const Graph *graph);
    /// Front update for one point (caller holds the archive mutex): true when a stored point
    /// dominates v; otherwise v is recorded, the points it dominates pruned, and false. A
    /// stored point of another length gives false at once, recording nothing.
    bool isDominated(QVector<double> v);
    /// Deletes the solutions none of whose member points is on the front.
    void updateSolutions();
    void clear();

    int size() const { return m_solutions.size(); }
    int nbPoints() const { return m_points.size(); }
    QString graph(int i) const;
    QVector<QString> graphs() const;
    Solution *lastSolution() const;
    Solution *OSSolution(int i) const;
    const QList<QVector<double>> &points() const { return m_points; }
    void display() const;

    void setName(const QString &name) { m_name = name; }
    void setFamily(bool family) { m_family.store(family, std::memory_order_relaxed); }
    bool getFamily() const { return m_family.load(std::memory_order_relaxed); }
    void open();
    void close();
    bool isClosed() const;
    void lock() { m_mutex.lock(); }
    void unlock() { m_mutex.unlock(); }

private:
    enum class Verdict { Refuse, Front, FrontAfterClear };
    /// Decides the fate of a record without changing anything; mutex held.
    Verdict judge(const Eval &e) const;
    /// Carries out an accepting verdict for s; mutex held.
    void commit(Verdict verdict, Solution *s);
    void deleteAll();
    /// updateSolutions() with the mutex held; `spare` is never deleted.
    void updateLocked(const Solution *spare);

    QList<Solution *> m_solutions;
    // std::mutex rather than QMutex: the thread sanitizer sees its ordering.
    mutable std::mutex m_mutex;
    QString m_name;
    std::atomic<bool> m_family{true};
    bool m_closed = false;
    QList<QVector<double>> m_points;
};
