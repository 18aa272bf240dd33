#include "invariants/Betweenness.h"
#include "invariants/CutCentrality.h"
#include "invariants/DistanceIndices.h"
#include "invariants/InformationCentrality.h"
#include "invariants/PendantDistances.h"

#include "CommonTest.h"
#include "InvariantFixtures.h"

#include <Eigen/Dense>
#include <cmath>

namespace
{

double harmonicNumber(int k)
{
    double h = 0;
    for (int i = 1; i <= k; ++i)
        h += 1.0 / i;
    return h;
}

double orFar(long d)
{
    return d >= kFar ? 1e12 : double(d);
}

const PairWeight kWeights[3] = {PairWeight::One, PairWeight::InverseDistance,
                                PairWeight::InverseSquare};

struct Shares {
    double vertex[32] = {};
    double edge[32][32] = {};
};

// Walks every shortest s-t path one by one, counting the paths and their interior visits.
void walk(const PlainGraph &p, const std::vector<std::vector<int>> &fw, std::vector<int> &trail,
          int t, double &paths, Shares &through)
{
    const int cur = trail.back();
    if (cur == t) {
        paths += 1;
        for (size_t i = 0; i + 1 < trail.size(); ++i) {
            through.vertex[trail[i]] += i > 0;
            through.edge[trail[i]][trail[i + 1]] += 1;
            through.edge[trail[i + 1]][trail[i]] += 1;
        }
        return;
    }
    for (int w = 0; w < p.n; ++w)
        if (p.adj[cur][w] && fw[w][t] == fw[cur][t] - 1) {
            trail.push_back(w);
            walk(p, fw, trail, t, paths, through);
            trail.pop_back();
        }
}

Shares bruteForce(const BitGraph &g, int power)
{
    const PlainGraph p(g);
    const auto fw = floydWarshall(p);
    Shares e;
    for (int s = 0; s < p.n; ++s)
        for (int t = s + 1; t < p.n; ++t) {
            if (fw[s][t] == kFar)
                continue;
            double paths = 0;
            Shares through;
            std::vector<int> trail{s};
            walk(p, fw, trail, t, paths, through);
            const double w = 1.0 / std::pow(double(fw[s][t]), power) / paths;
            for (int u = 0; u < p.n; ++u) {
                e.vertex[u] += w * through.vertex[u];
                for (int v = 0; v < p.n; ++v)
                    e.edge[u][v] += w * through.edge[u][v];
            }
        }
    return e;
}

} // namespace

class tst_DistanceKernels : public QObject
{
    Q_OBJECT
private slots:
    void indicesMatchFloydWarshall_data() { addSuiteRows(); }
    void indicesMatchFloydWarshall();
    void indexFamilies_data();
    void indexFamilies();
    void betweennessMatchesPathEnumeration_data() { addSuiteRows(); }
    void betweennessMatchesPathEnumeration();
    void cutCentralityMatchesVertexRemoval_data() { addSuiteRows(); }
    void cutCentralityMatchesVertexRemoval();
    void informationMatchesEffectiveResistance_data() { addSuiteRows(); }
    void informationMatchesEffectiveResistance();
    void centralityFamilies();
};

void tst_DistanceKernels::indicesMatchFloydWarshall()
{
    QFETCH(BitGraph, g);
    PlainGraph p(g);
    const auto fw = floydWarshall(p);
    const int n = p.n;
    DistanceMatrix dm;
    allDistances(g, dm);
    double dist[32][32], ecc[32], trans[32], harm[32], close[32], pendSum[32], pendClosest[32];
    distanceValues(dm, dist);
    eccentricities(dm, ecc);
    transmissions(dm, trans);
    harmonicCentrality(dm, harm);
    const bool closenessOk = closenessCentrality(dm, close);
    sumDistancesToPendants(g, dm, pendSum);
    distanceToClosestPendant(g, dm, pendClosest);

    bool connected = true;
    long wiener = 0;
    double harary = 0, diam = 0, rad = n ? 1e12 : 0, t[32];
    for (int u = 0; u < n; ++u) {
        long e = 0, s = 0, ps = 0, pc = kFar;
        double h = 0;
        for (int v = 0; v < n; ++v) {
            const int d = fw[u][v];
            QCOMPARE(dist[u][v], orFar(d));
            connected = connected && d != kFar;
            e = std::max<long>(e, d);
            s += d;
            if (v != u && d != kFar) {
                h += 1.0 / d;
                wiener += u < v ? d : 0;
                harary += u < v ? 1.0 / d : 0;
            }
            if (p.degree(v) == 1 && d != kFar) {
                ps += d;
                pc = std::min<long>(pc, d);
            }
        }
        t[u] = orFar(s);
        QCOMPARE(ecc[u], orFar(e));
        QCOMPARE(trans[u], t[u]);
        FUZZY_COMPARE(harm[u], h, 1e-12);
        QCOMPARE(pendSum[u], double(ps));
        QCOMPARE(pendClosest[u], orFar(pc));
        diam = std::max(diam, orFar(e));
        rad = std::min(rad, orFar(e));
    }
    QCOMPARE(dm.connected(), connected);
    QCOMPARE(isConnected(g), connected);
    QCOMPARE(closenessOk, connected);
    FUZZY_COMPARE(hararyIndex(dm), harary, 1e-12);
    QCOMPARE(wienerIndex(g), connected ? double(wiener) : 1e12);
    QCOMPARE(diameter(dm), connected ? diam : 1e12);
    QCOMPARE(radius(dm), connected ? rad : 1e12);
    for (int u = 0; u < n && connected; ++u)
        FUZZY_COMPARE(close[u], n == 1 ? 0.0 : (n - 1) / t[u], 1e-12);
    double avdist = -1;
    QCOMPARE(averageDistance(dm, avdist), connected && n >= 2);
    if (connected && n >= 2)
        FUZZY_COMPARE(avdist, wiener / (n * (n - 1) / 2.0), 1e-12);

    // Balaban and Szeged from their sums over edges; the girth from the shortest way back
    // around each edge once it is removed.
    int m = 0, shortest = kFar;
    double balabanSum = 0, szeged = 0;
    for (int u = 0; u < n; ++u)
        for (int v = u + 1; v < n; ++v) {
            if (!p.adj[u][v])
                continue;
            ++m;
            balabanSum += 1.0 / std::sqrt(t[u] * t[v]);
            int nu = 0, nv = 0;
            for (int w = 0; w < n; ++w)
                if (fw[w][u] != kFar) {
                    nu += fw[w][u] < fw[w][v];
                    nv += fw[w][v] < fw[w][u];
                }
            szeged += nu * nv;
            p.adj[u][v] = p.adj[v][u] = false;
            shortest = std::min(shortest, floydWarshall(p)[u][v] + 1);
            p.adj[u][v] = p.adj[v][u] = true;
        }
    QCOMPARE(szegedIndex(g, dm), szeged);
    QCOMPARE(girth(g), orFar(shortest));
    double balaban = -1;
    QCOMPARE(balabanIndex(g, dm, balaban), connected);
    if (connected)
        FUZZY_COMPARE(balaban, m / double(m - n + 2) * balabanSum, 1e-12);
}

void tst_DistanceKernels::indexFamilies_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<double>("wiener");
    QTest::addColumn<double>("szeged");
    QTest::addColumn<double>("harary");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("radius");
    QTest::addColumn<double>("girth");
    QTest::addColumn<double>("balaban"); // by the transmissions of the end vertices of each edge
    for (int n = 1; n <= 32; ++n) {
        const QByteArray k = QByteArray::number(n);
        const double N = n, tree = N * (N * N - 1) / 6;
        double harary = 0, balaban = 0;
        auto tr = [n](int i) { return i * (i + 1) / 2.0 + (n - 1 - i) * (n - i) / 2.0; };
        for (int i = 1; i < n; ++i) {
            harary += (N - i) / i;
            balaban += (N - 1) / std::sqrt(tr(i - 1) * tr(i));
        }
        QTest::newRow("P" + k) << pathGraph(n) << tree << tree << harary << N - 1 << double(n / 2)
                               << 1e12 << balaban;
        if (n >= 2) {
            const double m = N * (N - 1) / 2;
            QTest::newRow("K" + k) << completeGraph(n) << m << m << m << 1.0 << 1.0
                                   << (n >= 3 ? 3.0 : 1e12) << m / (m - N + 2) * m / (N - 1);
        }
        if (n >= 3) {
            const bool even = n % 2 == 0;
            const double w = even ? N * N * N / 8 : N * (N * N - 1) / 8;
            const int h = n / 2;
            QTest::newRow("C" + k)
                << cycleGraph(n) << w << (even ? N * N * N / 4 : N * (N - 1) * (N - 1) / 4)
                << (even ? N / 2 * (2 * harmonicNumber(h - 1) + 1.0 / h) : N * harmonicNumber(h))
                << double(h) << double(h) << N << N * N / (4 * w / N);
            QTest::newRow("star " + k) << starGraph(n) << (N - 1) * (N - 1) << (N - 1) * (N - 1)
                                       << (N - 1) + (N - 1) * (N - 2) / 4 << 2.0 << 1.0 << 1e12
                                       << std::pow(N - 1, 1.5) / std::sqrt(2 * N - 3);
        }
        for (int a = 2; 2 * a <= n; ++a) {
            const int b = n - a;
            const double m = a * b, ta = b + 2 * (a - 1), tb = a + 2 * (b - 1);
            QTest::newRow(qPrintable(QString("K%1,%2").arg(a).arg(b)))
                << completeBipartite(a, b) << double(a * b + a * (a - 1) + b * (b - 1)) << m * m
                << m + (a * (a - 1) + b * (b - 1)) / 4.0 << 2.0 << 2.0 << 4.0
                << m / (m - N + 2) * m / std::sqrt(ta * tb);
        }
    }
}

void tst_DistanceKernels::indexFamilies()
{
    QFETCH(BitGraph, g);
    DistanceMatrix dm;
    allDistances(g, dm);
    double value = -1;
    QVERIFY(balabanIndex(g, dm, value));
    QTEST(wienerIndex(g), "wiener");
    QTEST(szegedIndex(g, dm), "szeged");
    QTEST(diameter(dm), "diameter");
    QTEST(radius(dm), "radius");
    QTEST(girth(g), "girth");
    QFETCH(double, harary);
    FUZZY_COMPARE(hararyIndex(dm), harary, 1e-12);
    QFETCH(double, balaban);
    FUZZY_COMPARE(value, balaban, 1e-12);
}

void tst_DistanceKernels::betweennessMatchesPathEnumeration()
{
    QFETCH(BitGraph, g);
    for (int power = 0; power <= 2; ++power) {
        const Shares e = bruteForce(g, power);
        double vertex[32], edge[32][32];
        vertexBetweenness(g, kWeights[power], vertex);
        edgeBetweenness(g, kWeights[power], edge);
        for (int u = 0; u < g.n; ++u) {
            FUZZY_COMPARE(vertex[u], e.vertex[u], 1e-9);
            for (int v = 0; v < g.n; ++v)
                FUZZY_COMPARE(edge[u][v], e.edge[u][v], 1e-9);
        }
    }
}

void tst_DistanceKernels::cutCentralityMatchesVertexRemoval()
{
    QFETCH(BitGraph, g);
    const PlainGraph p(g);
    const auto before = floydWarshall(p);
    double cut[32];
    cutCentrality(g, cut);
    for (int u = 0; u < p.n; ++u) {
        PlainGraph without = p;
        for (int v = 0; v < p.n; ++v)
            without.adj[u][v] = without.adj[v][u] = false;
        const auto after = floydWarshall(without);
        int separated = 0;
        for (int s = 0; s < p.n; ++s)
            for (int t = s + 1; t < p.n; ++t)
                separated += s != u && t != u && before[s][t] != kFar && after[s][t] == kFar;
        QCOMPARE(cut[u], double(separated));
    }
}

void tst_DistanceKernels::informationMatchesEffectiveResistance()
{
    // The denominator is the sum of the effective resistances from u, which the pseudo-inverse of
    // the Laplacian gives independently of L + J.
    QFETCH(BitGraph, g);
    const PlainGraph p(g);
    const int n = p.n;
    const auto fw = floydWarshall(p);
    bool connected = true;
    for (int v = 1; v < n; ++v)
        connected = connected && fw[0][v] != kFar;
    double out[32];
    QCOMPARE(informationCentrality(g, out), connected);
    if (!connected || n < 2)
        return;
    Eigen::MatrixXd lap = Eigen::MatrixXd::Zero(n, n);
    for (int u = 0; u < n; ++u)
        for (int v = 0; v < n; ++v)
            lap(u, v) = u == v ? p.degree(u) : -double(p.adj[u][v]);
    const Eigen::MatrixXd plus = lap.completeOrthogonalDecomposition().pseudoInverse();
    for (int u = 0; u < n; ++u) {
        double resistance = 0;
        for (int v = 0; v < n; ++v)
            resistance += plus(u, u) + plus(v, v) - 2 * plus(u, v);
        FUZZY_COMPARE(out[u], n / resistance, 1e-9);
    }
}

void tst_DistanceKernels::centralityFamilies()
{
    double vertex[32], edge[32][32], cut[32], info[32] = {-1};
    QVERIFY(informationCentrality(emptyGraph(0), info));
    QVERIFY(informationCentrality(emptyGraph(1), info) && info[0] == 1e12);
    QVERIFY(!informationCentrality(emptyGraph(2), info));
    QVERIFY(informationCentrality(pathGraph(2), info));
    QCOMPARE(info[0], 2.0); // within qFuzzyCompare
    QCOMPARE(info[1], 2.0);
    for (int n = 3; n <= 32; ++n) {
        // Path: i(n-1-i) pairs pass through vertex i, (i+1)(n-1-i) through edge i-(i+1), and
        // the resistance between two vertices is their distance.
        const BitGraph path = pathGraph(n);
        vertexBetweenness(path, PairWeight::One, vertex);
        edgeBetweenness(path, PairWeight::One, edge);
        cutCentrality(path, cut);
        QVERIFY(informationCentrality(path, info));
        for (int i = 0; i < n; ++i) {
            QCOMPARE(vertex[i], double(i * (n - 1 - i)));
            QCOMPARE(cut[i], double(i * (n - 1 - i)));
            QCOMPARE(edge[i][(i + 1) % n], i + 1 < n ? double((i + 1) * (n - 1 - i)) : 0.0);
            FUZZY_COMPARE(info[i], n / (i * (i + 1) / 2.0 + (n - 1 - i) * (n - i) / 2.0), 1e-9);
        }
        // Star: the leaf pairs sit at distance 2, so the weights scale them by 1/2 or 1/4.
        const BitGraph star = starGraph(n);
        for (int power = 0; power <= 2; ++power) {
            const double scale = 1.0 / (1 << power);
            vertexBetweenness(star, kWeights[power], vertex);
            edgeBetweenness(star, kWeights[power], edge);
            FUZZY_COMPARE(vertex[0], (n - 1) * (n - 2) / 2.0 * scale, 1e-12);
            QCOMPARE(vertex[n - 1], 0.0);
            FUZZY_COMPARE(edge[n - 1][0], 1 + (n - 2) * scale, 1e-12);
        }
        cutCentrality(star, cut);
        QCOMPARE(cut[0], (n - 1) * (n - 2) / 2.0);
        QCOMPARE(cut[n - 1], 0.0);
        QVERIFY(informationCentrality(star, info));
        FUZZY_COMPARE(info[0], n / (n - 1.0), 1e-9);
        FUZZY_COMPARE(info[n - 1], n / (2.0 * n - 3), 1e-9);
        // Cycle: every pair spreads d - 1 interior vertices and d edges evenly; nothing cuts.
        const BitGraph cycle = cycleGraph(n);
        const double w = n % 2 == 0 ? n * double(n) * n / 8 : n * (double(n) * n - 1) / 8;
        vertexBetweenness(cycle, PairWeight::One, vertex);
        edgeBetweenness(cycle, PairWeight::One, edge);
        cutCentrality(cycle, cut);
        QVERIFY(informationCentrality(cycle, info));
        for (int i = 0; i < n; ++i) {
            FUZZY_COMPARE(vertex[i], (w - n * (n - 1) / 2.0) / n, 1e-12);
            FUZZY_COMPARE(edge[i][(i + 1) % n], w / n, 1e-12);
            QCOMPARE(cut[i], 0.0);
            FUZZY_COMPARE(info[i], 6.0 * n / (double(n) * n - 1), 1e-9);
        }
    }
}

QTEST_APPLESS_MAIN(tst_DistanceKernels)
#include "tst_DistanceKernels.moc"
