#include "optimizer/OptimalSolutions.h"

#include "common/writeDiagnostic.h"
#include "graph/Graph.h"
#include "graph/GraphString.h"
#include "optimizer/Solution.h"
#include "problem/Eval.h"

#include <cmath>

namespace
{

const double kTolerance = 1e-6;

/// Length of the record's longest objective vector (0 without objectives); -1 when one of
/// its objective vectors is empty.
int memberCount(const Eval &e)
{
    int m = 0;
    for (int i = 0; i < e.sizeZ(); ++i) {
        const int length = e.z(i).size();
        if (length == 0)
            return -1;
        m = qMax(m, length);
    }
    return m;
}

/// Coordinate i of member point j: entry j of a full-length vector, else its broadcast entry 0.
inline double memberCoordinate(const Eval &e, int i, int j, int m)
{
    const QVector<double> &z = e.z(i);
    return z.size() == m ? z.at(j) : z.at(0);
}

bool hasNaN(const Eval &e)
{
    for (int i = 0; i < e.size(); ++i)
        if (std::isnan(e.value(i)))
            return true;
    for (const QVector<double> &z : e.z())
        for (double x : z)
            if (std::isnan(x))
                return true;
    return false;
}

enum class FrontView { Dominated, Free, OtherLength };

/// How the stored points see a point of q coordinates read through `at`: a stored point of
/// another length decides at once, otherwise dominated when some stored point is within the
/// tolerance below it in every coordinate.
template <class Coordinate>
FrontView viewOf(const QList<QVector<double>> &points, int q, Coordinate at)
{
    bool dominated = false;
    for (const QVector<double> &p : points) {
        if (p.size() != q)
            return FrontView::OtherLength;
        if (dominated)
            continue;
        bool all = true;
        for (int i = 0; i < q && all; ++i)
            all = p.at(i) - kTolerance <= at(i);
        dominated = all;
    }
    return dominated ? FrontView::Dominated : FrontView::Free;
}

} // namespace

OptimalSolutions::OptimalSolutions() = default;

OptimalSolutions::~OptimalSolutions()
{
    deleteAll();
}

void OptimalSolutions::deleteAll()
{
    qDeleteAll(m_solutions);
    m_solutions.clear();
    m_points.clear();
}

OptimalSolutions::Verdict OptimalSolutions::judge(const Eval &e) const
{
    if (m_closed)
        return Verdict::Refuse;
    const int m = memberCount(e);
    if (m < 0 || (!getFamily() && m >= 2))
        return Verdict::Refuse;
    // NaN compares false both ways and would slip past every ordering below.
    if (hasNaN(e))
        return Verdict::Refuse;
    // The first entry records its points like any other, so that a worse offer meets them.
    if (m_solutions.isEmpty())
        return Verdict::Front;

    const Eval &e0 = *m_solutions.first()->getValue();
    const bool firstViolated = e0.violated();
    const bool violated = e.violated();
    if (firstViolated && violated) {
        for (int i = 0; i < e0.size(); ++i) {
            const double mine = e.value(i);
            const double theirs = e0.value(i);
            if (std::fabs(mine - theirs) > kTolerance)
                return mine > theirs ? Verdict::Refuse : Verdict::FrontAfterClear;
        }
    } else if (firstViolated) {
        return Verdict::FrontAfterClear;
    } else if (violated) {
        return Verdict::Refuse;
    }

    const int q = e.sizeZ();
    for (int j = 0; j < m; ++j) {
        const FrontView view =
            viewOf(m_points, q, [&](int i) { return memberCoordinate(e, i, j, m); });
        if (view != FrontView::Dominated)
            return Verdict::Front;
    }
    return Verdict::Refuse;
}

void OptimalSolutions::commit(Verdict verdict, Solution *s)
{
    switch (verdict) {
    case Verdict::Refuse:
        return;
    case Verdict::FrontAfterClear:
        deleteAll();
        break;
    case Verdict::Front:
        break;
    }
    const Eval &e = *s->getValue();
    const int q = e.sizeZ();
    const int m = memberCount(e);
    QVector<double> own;
    for (int j = 0; j < m; ++j) {
        QVector<double> v(q);
        for (int i = 0; i < q; ++i)
            v[i] = memberCoordinate(e, i, j, m);
        if (j == 0)
            own = v;
        isDominated(v);
    }
    if (!getFamily()) {
        qDeleteAll(m_solutions);
        m_solutions.clear();
        m_points.clear();
        if (m > 0)
            m_points.append(own);
    }
    m_solutions.append(s);
    updateLocked(s);
}

bool OptimalSolutions::addSolution(Solution *s)
{
    if (!s)
        return false;
    std::lock_guard<std::mutex> guard(m_mutex);
    const Verdict verdict = judge(*s->getValue());
    if (verdict == Verdict::Refuse)
        return false;
    commit(verdict, s);
    return true;
}

bool OptimalSolutions::offer(const Eval *record, const Graph *graph)
{
    if (!record)
        return false;
    std::lock_guard<std::mutex> guard(m_mutex);
    const Verdict verdict = judge(*record);
    if (verdict == Verdict::Refuse)
        return false;
    BitGraph g;
    if (graph)
        graph->snapshot(g);
    commit(verdict, new Solution(record, graph ? writeGraphString(g) : QString()));
    return true;
}

bool OptimalSolutions::isDominated(QVector<double> v)
{
    const int q = v.size();
    const FrontView view = viewOf(m_points, q, [&](int i) { return v.at(i); });
    if (view == FrontView::OtherLength)
        return false;
    if (view == FrontView::Dominated)
        return true;
    for (int k = m_points.size() - 1; k >= 0; --k) {
        const QVector<double> &p = m_points.at(k);
        bool all = true;
        for (int i = 0; i < q && all; ++i)
            all = v.at(i) - kTolerance <= p.at(i);
        if (all)
            m_points.removeAt(k);
    }
    m_points.append(v);
    return false;
}

void OptimalSolutions::updateSolutions()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    updateLocked(nullptr);
}

void OptimalSolutions::updateLocked(const Solution *spare)
{
    for (int k = m_solutions.size() - 1; k >= 0; --k) {
        Solution *s = m_solutions.at(k);
        const Eval &e = *s->getValue();
        if (s == spare || e.sizeZ() == 0)
            continue;
        const int q = e.sizeZ();
        const int m = memberCount(e);
        bool matched = false;
        for (int j = 0; j < m && !matched; ++j)
            for (const QVector<double> &p : m_points) {
                if (p.size() != q)
                    continue;
                bool all = true;
                for (int i = 0; i < q && all; ++i)
                    all = std::fabs(p.at(i) - memberCoordinate(e, i, j, m)) <= kTolerance;
                if (all) {
                    matched = true;
                    break;
                }
            }
        if (!matched) {
            delete s;
            m_solutions.removeAt(k);
        }
    }
}

void OptimalSolutions::clear()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    deleteAll();
}

QString OptimalSolutions::graph(int i) const
{
    if (i < 0 || i >= m_solutions.size())
        return QString();
    const Solution *s = m_solutions.at(i);
    if (!s) {
        writeDiagnostic("Unallocated solution");
        return QString();
    }
    return s->getGraph();
}

QVector<QString> OptimalSolutions::graphs() const
{
    QVector<QString> out;
    out.reserve(m_solutions.size());
    for (int i = 0; i < m_solutions.size(); ++i)
        out.append(graph(i));
    return out;
}

Solution *OptimalSolutions::lastSolution() const
{
    return m_solutions.isEmpty() ? nullptr : m_solutions.last();
}

Solution *OptimalSolutions::OSSolution(int i) const
{
    return (i < 0 || i >= m_solutions.size()) ? nullptr : m_solutions.at(i);
}

void OptimalSolutions::display() const
{
    writeDiagnostic((QString::number(m_solutions.size()) +
                     QStringLiteral("-----------Solutions-------------") + m_name)
                        .toLocal8Bit());
    for (const Solution *s : m_solutions)
        s->display();
}

void OptimalSolutions::open()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_closed = false;
}

void OptimalSolutions::close()
{
    std::lock_guard<std::mutex> guard(m_mutex);
    m_closed = true;
}

bool OptimalSolutions::isClosed() const
{
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_closed;
}
