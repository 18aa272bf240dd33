#include "MDS.h"

#include "graph/Graph.h"
#include "graph/Node.h"

#include <QtGlobal>
#include <cmath>

MDS::MDS(Graph *graph, double size, int dim)
    : m_dim(dim >= 3 ? 3 : 2), m_graph(graph), m_size(size)
{
    if (graph && load(graph))
        optimize();
}

MDS::MDS(const BitGraph &g, double size, int dim) : m_dim(dim >= 3 ? 3 : 2), m_size(size)
{
    if (load(g))
        optimize();
}

MDS::~MDS() = default;

bool MDS::load(Graph *graph)
{
    m_graph = graph;
    BitGraph best;
    best.n = qBound(0, graph->getNbNodes(), 32);
    for (int i = 0; i < best.n; ++i)
        for (int j = i + 1; j < best.n; ++j)
            if (graph->bestEdge(i, j))
                best.addEdge(i, j);
    return load(best);
}

bool MDS::load(const BitGraph &g)
{
    m_n = static_cast<unsigned int>(qBound(0, g.n, 32));
    m_bestStress = 1e16;
    m_L = 0.0;
    const int n = static_cast<int>(m_n);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m_D[i][j] = n;
    int queue[32];
    for (int s = 0; s < n; ++s) {
        uint32_t visited = 1u << s;
        m_D[s][s] = 0.0;
        int head = 0, tail = 0;
        queue[tail++] = s;
        while (head < tail) {
            const int u = queue[head++];
            for (int v = 0; v < n; ++v)
                if (!((visited >> v) & 1u) && g.edge(u, v)) {
                    visited |= 1u << v;
                    queue[tail++] = v;
                    m_D[s][v] = m_D[s][u] + 1.0;
                    if (m_D[s][v] > m_L + m_tolerance)
                        m_L = m_D[s][v];
                }
        }
    }
    // Nothing to scale without an edge; a bad size would turn every target into 0 or NaN and the
    // gradient weights 1/D into infinities.
    if (n < 2 || m_L <= 0.0 || !std::isfinite(m_size) || m_size <= 0.0)
        return false;
    const double f = m_size / m_L;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m_D[i][j] *= f;
    m_L *= f;
    m_smallestShake = 1;
    m_largestShake = m_n;
    random_solution();
    compute_distance();
    return true;
}

void MDS::random_solution()
{
    for (unsigned int i = 0; i < m_n; ++i)
        for (unsigned int d = 0; d < m_dim; ++d)
            m_X[i][d] = m_L * unif01();
}

double MDS::unif01()
{
    return (qrand() % 100000) / 100000.0;
}

void MDS::compute_distance()
{
    for (unsigned int i = 0; i < m_n; ++i)
        for (unsigned int j = i + 1; j < m_n; ++j) {
            double sum = 0.0;
            for (unsigned int d = 0; d < m_dim; ++d) {
                const double t = m_X[i][d] - m_X[j][d];
                sum += t * t;
            }
            m_E[i][j] = m_E[j][i] = std::sqrt(sum);
        }
}

double MDS::residual(int i, int j) const
{
    if (m_D[i][j] > m_L && m_E[i][j] > m_L)
        return 0.0;
    return m_E[i][j] - m_D[i][j];
}

double MDS::stress() const
{
    double sum = 0.0;
    for (unsigned int i = 0; i < m_n; ++i)
        for (unsigned int j = i + 1; j < m_n; ++j) {
            const double r = residual(i, j);
            sum += r * r;
        }
    return sum;
}

void MDS::compute_grad()
{
    for (unsigned int i = 0; i < m_n; ++i)
        for (unsigned int d = 0; d < m_dim; ++d) {
            double g = 0.0;
            for (unsigned int j = 0; j < m_n; ++j)
                if (j != i)
                    g += kernel(m_D[i][j]) * residual(i, j) * (m_X[i][d] - m_X[j][d]);
            m_G[i][d] = g;
        }
}

void MDS::apply(double step)
{
    for (unsigned int i = 0; i < m_n; ++i)
        for (unsigned int d = 0; d < m_dim; ++d)
            m_X[i][d] -= step * m_G[i][d];
}

void MDS::backup()
{
    for (unsigned int i = 0; i < m_n; ++i)
        for (unsigned int d = 0; d < m_dim; ++d)
            m_Xb[i][d] = m_X[i][d];
}

void MDS::restore()
{
    for (unsigned int i = 0; i < m_n; ++i)
        for (unsigned int d = 0; d < m_dim; ++d)
            m_X[i][d] = m_Xb[i][d];
}

void MDS::std_local_search()
{
    double step = m_initialStep;
    compute_distance();
    double reference = 2.0 * stress();
    int successes = 0;
    while (step > 1e-8) {
        compute_grad();
        apply(step);
        compute_distance();
        const double s = stress();
        if (s < reference - m_tolerance) {
            if (s < m_bestStress - m_tolerance) {
                m_bestStress = s;
                backup();
            }
            if (++successes >= 6)
                step *= 1.25;
            reference = s;
        } else {
            // Back by the shortened step only: the point ends 0.1 x the old step along -G.
            step *= 0.9;
            apply(-step);
            compute_distance();
            successes = 0;
        }
    }
}

void MDS::local_search()
{
    std_local_search();
    restore();
}

void MDS::perturb(unsigned int k)
{
    for (unsigned int s = 0; s < k; ++s) {
        const unsigned int v = static_cast<unsigned int>(qrand()) % m_n;
        for (unsigned int d = 0; d < m_dim; ++d)
            m_X[v][d] = 200.0 * unif01();
    }
}

void MDS::vns()
{
    unsigned int k = m_smallestShake;
    compute_distance();
    double reference = stress();
    for (int round = 0; round < 10; ++round) {
        local_search();
        // E still describes where the descent stopped, not the restored best coordinates.
        const double s = stress();
        if (s < reference - m_tolerance) {
            if (m_bestStress < m_tolerance)
                return;
            k = m_smallestShake;
            reference = s;
        } else if (++k > m_largestShake) {
            k = m_smallestShake;
        }
        perturb(k);
    }
    restore();
    compute_distance();
}

void MDS::optimize()
{
    compute_distance();
    m_bestStress = stress();
    backup();
    vns();
    for (unsigned int d = 0; d < m_dim; ++d) {
        double mean = 0.0;
        for (unsigned int i = 0; i < m_n; ++i)
            mean += m_X[i][d];
        mean /= m_n;
        for (unsigned int i = 0; i < m_n; ++i)
            m_X[i][d] -= mean;
    }
    m_laidOut = true;
    writePositions();
}

void MDS::writePositions()
{
    if (!m_graph)
        return;
    const int n = qMin(static_cast<int>(m_n), m_graph->getNbNodes());
    for (int i = 0; i < n; ++i)
        m_graph->setPos(i, m_X[i][0], m_X[i][1], m_dim == 3 ? m_X[i][2] : 0.0);
}
