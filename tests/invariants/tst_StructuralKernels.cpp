#include "invariants/AdjacencyMatrices.h"
#include "invariants/CliqueSearch.h"
#include "invariants/Colouring.h"
#include "invariants/DegreeIndices.h"
#include "invariants/DominationSearch.h"
#include "invariants/SubgraphCounts.h"
#include "invariants/VertexConnectivity.h"

#include "CommonTest.h"
#include "InvariantFixtures.h"

#include <cmath>

namespace
{

bool isClique(const PlainGraph &g, uint32_t s, bool wantEdges)
{
    for (int i = 0; i < g.n; ++i)
        for (int j = i + 1; j < g.n; ++j)
            if ((s >> i & 1u) && (s >> j & 1u) && g.adj[i][j] != wantEdges)
                return false;
    return true;
}

bool dominates(const PlainGraph &g, uint32_t s)
{
    for (int v = 0; v < g.n; ++v) {
        bool hit = s >> v & 1u;
        for (int w = 0; w < g.n; ++w)
            hit = hit || ((s >> w & 1u) && g.adj[v][w]);
        if (!hit)
            return false;
    }
    return true;
}

bool connectedWithout(const PlainGraph &g, uint32_t removed)
{
    int start = 0;
    while (start < g.n && (removed >> start & 1u))
        ++start;
    uint32_t seen = (1u << start) | removed;
    int stack[33], top = 0;
    stack[top++] = start;
    while (top) {
        const int u = stack[--top];
        for (int w = 0; w < g.n; ++w)
            if (g.adj[u][w] && !(seen >> w & 1u)) {
                seen |= 1u << w;
                stack[top++] = w;
            }
    }
    return (seen & BitGraph::maskOf(g.n)) == BitGraph::maskOf(g.n);
}

// Is there a proper colouring of order[v..] with k colours? Backtracking that tries the colours
// in increasing order, so the first colouring found is the lexicographically smallest along order.
bool colourable(const PlainGraph &g, const int *order, int k, int v, int *c)
{
    if (v == g.n)
        return true;
    const int x = order[v];
    for (c[x] = 1; c[x] <= k; ++c[x]) {
        bool ok = true;
        for (int u = 0; u < v; ++u)
            ok = ok && !(g.adj[order[u]][x] && c[order[u]] == c[x]);
        if (ok && colourable(g, order, k, v + 1, c))
            return true;
    }
    return false;
}

// Threshold order by its definition: sweep the vertices in index order, removing each one left
// with at most t neighbours and placing it from the end; raise t after a sweep removes none.
QVector<int> thresholdReference(const PlainGraph &g)
{
    bool gone[32] = {};
    QVector<int> order(g.n);
    for (int t = 1, placed = 0; placed < g.n;) {
        const int before = placed;
        for (int v = 0; v < g.n; ++v) {
            int d = 0;
            for (int w = 0; w < g.n; ++w)
                d += g.adj[v][w] && !gone[w];
            if (!gone[v] && d <= t) {
                gone[v] = true;
                order[g.n - 1 - placed++] = v;
            }
        }
        t += placed == before;
    }
    return order;
}

// Every exponential figure by trying every subset, ties to the lexicographically smallest set.
struct Brute {
    int omega = 0, alpha = 0, gamma = 0, kappa = 0, chi = 0;
    uint32_t clique = 0, stable = 0, dominating = 0;
    explicit Brute(const PlainGraph &g) : gamma(g.n + 1), kappa(g.n - 1)
    {
        for (uint32_t s = 0; s < (1u << g.n); ++s) {
            const int k = __builtin_popcount(s);
            auto better = [&](int size, uint32_t set, bool larger) {
                return (larger ? k > size : k < size) || (k == size && lexBefore(s, set));
            };
            if (isClique(g, s, true) && better(omega, clique, true)) {
                omega = k;
                clique = s;
            }
            if (isClique(g, s, false) && better(alpha, stable, true)) {
                alpha = k;
                stable = s;
            }
            if (dominates(g, s) && better(gamma, dominating, false)) {
                gamma = k;
                dominating = s;
            }
            if (k < kappa && g.n - k >= 2 && !connectedWithout(g, s))
                kappa = k;
        }
        int c[32], order[32];
        for (int v = 0; v < g.n; ++v)
            order[v] = v;
        while (!colourable(g, order, chi, 0, c))
            ++chi;
    }
};

// A proper colouring using every colour 1..chi.
void expectProperColouring(const PlainGraph &g, const int *colour, int chi)
{
    uint64_t used = 0;
    for (int u = 0; u < g.n; ++u) {
        QVERIFY(colour[u] >= 1 && colour[u] <= chi);
        used |= uint64_t(1) << colour[u];
        for (int v = 0; v < g.n; ++v)
            QVERIFY(!(g.adj[u][v] && colour[u] == colour[v]));
    }
    QCOMPARE(__builtin_popcountll(used), chi);
}

// The polynomial figures straight from their definitions, at any order.
void expectDefinitions(const BitGraph &g)
{
    const PlainGraph p(g);
    const int n = p.n;
    double randic = 0, m1 = 0, m2 = 0, platt = 0, twiceM = 0;
    int triangles = 0, k4 = 0, claws = 0;
    for (int i = 0; i < n; ++i) {
        const double di = p.degree(i);
        m1 += di * di;
        twiceM += di;
        for (int j = i + 1; j < n; ++j)
            if (p.adj[i][j]) {
                const double dj = p.degree(j);
                randic += 1.0 / std::sqrt(di * dj);
                m2 += di * dj;
                platt += (di + dj) - 2.0;
                for (int x = j + 1; x < n; ++x) {
                    triangles += p.adj[i][x] && p.adj[j][x];
                    for (int y = x + 1; y < n; ++y)
                        k4 +=
                            p.adj[i][x] && p.adj[j][x] && p.adj[i][y] && p.adj[j][y] && p.adj[x][y];
                }
            }
        int nb[32], d = 0;
        for (int w = 0; w < n; ++w)
            if (p.adj[i][w])
                nb[d++] = w;
        claws += d == 3 && !p.adj[nb[0]][nb[1]] && !p.adj[nb[0]][nb[2]] && !p.adj[nb[1]][nb[2]];
    }
    // Same pair order as the definitions, so the sums agree to the last bit.
    QCOMPARE(randicIndex(g), randic);
    QCOMPARE(zagrebM1(g), m1);
    QCOMPARE(zagrebM2(g), m2);
    QCOMPARE(plattIndex(g), platt);
    QCOMPARE(triangleCount(g), triangles);
    QCOMPARE(k4Count(g), k4);
    QCOMPARE(clawCount(g), claws);

    SquareBlock a, c, l, sl, nl, mod;
    adjacencyMatrix(g, a);
    commonNeighbourMatrix(g, c);
    laplacianMatrix(g, -1.0, l);
    laplacianMatrix(g, 1.0, sl);
    normalizedLaplacianMatrix(g, nl);
    modularityMatrix(g, mod);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) {
            const double adj = p.adj[i][j], di = p.degree(i), dj = p.degree(j);
            int common = 0;
            for (int k = 0; k < n; ++k)
                common += i != j && p.adj[i][k] && p.adj[j][k];
            QCOMPARE(a[i][j], adj);
            QCOMPARE(c[i][j], double(common));
            QCOMPARE(l[i][j], i == j ? di : -adj);
            QCOMPARE(sl[i][j], i == j ? di : adj);
            FUZZY_COMPARE(nl[i][j], i == j ? 1.0 : (adj ? -1.0 / std::sqrt(di * dj) : 0.0), 1e-12);
            FUZZY_COMPARE(mod[i][j], twiceM ? adj - di * dj / twiceM : 0.0, 1e-12);
        }
}

} // namespace

class tst_StructuralKernels : public QObject
{
    Q_OBJECT
private slots:
    void randomGraphsAgainstBruteForce();
    void families_data();
    void families();
};

void tst_StructuralKernels::randomGraphsAgainstBruteForce()
{
    qsrand(1234);
    for (int t = 0; t < 1500; ++t) {
        const BitGraph g0 = smallRandomGraph();
        for (const BitGraph &g : {g0, g0.complement()}) {
            const PlainGraph p(g);
            const Brute b(p);
            uint32_t set = 0xdead;
            QCOMPARE(maximumClique(g, &set), b.omega);
            QCOMPARE(set, b.clique);
            QCOMPARE(maximumStableSet(g, &set), b.alpha);
            QCOMPARE(set, b.stable);
            QCOMPARE(minimumDominatingSet(g, &set), b.gamma);
            QCOMPARE(set, b.dominating);
            QCOMPARE(vertexConnectivity(g), b.kappa);
            int colour[32], order[32], first[32];
            QCOMPARE(chromaticColouring(g, colour), b.chi);
            expectProperColouring(p, colour, b.chi);
            // The colouring kept is the first optimal one along the threshold order.
            const QVector<int> expectedOrder = thresholdReference(p);
            thresholdOrder(g, order);
            QCOMPARE(QVector<int>(order, order + g.n), expectedOrder);
            QVERIFY(colourable(p, expectedOrder.constData(), b.chi, 0, first));
            QCOMPARE(QVector<int>(colour, colour + g.n), QVector<int>(first, first + g.n));
            expectDefinitions(g);
        }
    }
}

void tst_StructuralKernels::families_data()
{
    QTest::addColumn<BitGraph>("g");
    for (const char *c : {"omega", "alpha", "chi", "gamma", "kappa", "triangles", "k4", "claws"})
        QTest::addColumn<int>(c);
    for (const char *c : {"randic", "m1", "m2", "platt"})
        QTest::addColumn<double>(c);
    QTest::newRow("no vertex") << emptyGraph(0) << 0 << 0 << 0 << 0 << -1 << 0 << 0 << 0 << 0.0
                               << 0.0 << 0.0 << 0.0;
    for (int n = 1; n <= 32; ++n) {
        const QByteArray k = QByteArray::number(n);
        const double N = n;
        QTest::newRow("K" + k) << completeGraph(n) << n << 1 << n << 1 << n - 1
                               << n * (n - 1) * (n - 2) / 6 << n * (n - 1) * (n - 2) * (n - 3) / 24
                               << 0 << N / 2 * (n > 1) << N * (N - 1) * (N - 1)
                               << N * std::pow(N - 1, 3) / 2 << N * (N - 1) * (N - 2);
        QTest::newRow("empty " + k)
            << emptyGraph(n) << 1 << n << 1 << n << 0 << 0 << 0 << 0 << 0.0 << 0.0 << 0.0 << 0.0;
        if (n >= 3) {
            QTest::newRow("P" + k)
                << pathGraph(n) << 2 << (n + 1) / 2 << 2 << (n + 2) / 3 << 1 << 0 << 0 << 0
                << std::sqrt(2.0) + (N - 3) / 2 << 4 * N - 6 << 4 * N - 8 << 2 * N - 4;
            QTest::newRow("star " + k)
                << starGraph(n) << 2 << n - 1 << 2 << 1 << 1 << 0 << 0 << int(n == 4)
                << std::sqrt(N - 1) << (N - 1) * N << (N - 1) * (N - 1) << (N - 1) * (N - 2);
        }
        if (n >= 4)
            QTest::newRow("C" + k) << cycleGraph(n) << 2 << n / 2 << 2 + n % 2 << (n + 2) / 3 << 2
                                   << 0 << 0 << 0 << N / 2 << 4 * N << 4 * N << 2 * N;
        for (int a = 2; a <= n - 2; a += 3) {
            const int b = n - a;
            const double A = a, B = b;
            QTest::newRow(qPrintable(QString("K%1,%2").arg(a).arg(b)))
                << completeBipartite(a, b) << 2 << std::max(a, b) << 2 << 2 << std::min(a, b) << 0
                << 0 << (a == 3 ? b : 0) + (b == 3 ? a : 0) << std::sqrt(A * B) << A * B * (A + B)
                << A * B * A * B << A * B * (A + B - 2);
        }
    }
}

void tst_StructuralKernels::families()
{
    QFETCH(BitGraph, g);
    const PlainGraph p(g);
    uint32_t set = 0;
    // Each set found must be one of the size given: -1 when it is not of its kind.
    QTEST(maximumClique(g, &set), "omega");
    QTEST(isClique(p, set, true) ? __builtin_popcount(set) : -1, "omega");
    QTEST(maximumStableSet(g, &set), "alpha");
    QTEST(isClique(p, set, false) ? __builtin_popcount(set) : -1, "alpha");
    QTEST(minimumDominatingSet(g, &set), "gamma");
    QTEST(dominates(p, set) ? __builtin_popcount(set) : -1, "gamma");
    QTEST(vertexConnectivity(g), "kappa");
    int colour[32];
    QTEST(chromaticColouring(g, colour), "chi");
    expectProperColouring(p, colour, *static_cast<int *>(QTest::qData("chi", QMetaType::Int)));
    QTEST(triangleCount(g), "triangles");
    QTEST(k4Count(g), "k4");
    QTEST(clawCount(g), "claws");
    const std::pair<const char *, double (*)(const BitGraph &)> indices[] = {
        {"randic", randicIndex}, {"m1", zagrebM1}, {"m2", zagrebM2}, {"platt", plattIndex}};
    for (const auto &k : indices)
        FUZZY_COMPARE(k.second(g), *static_cast<double *>(QTest::qData(k.first, QMetaType::Double)),
                      1e-9);
    expectDefinitions(g);
}

QTEST_APPLESS_MAIN(tst_StructuralKernels)
#include "tst_StructuralKernels.moc"
