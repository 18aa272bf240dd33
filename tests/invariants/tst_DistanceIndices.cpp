#include "invariants/DistanceIndices.h"
#include "invariants/PendantDistances.h"

#include "CommonTest.h"
#include "InvariantFixtures.h"

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

} // namespace

class tst_DistanceIndices : public QObject
{
    Q_OBJECT
private slots:
    void matchesFloydWarshall_data() { addSuiteRows(); }
    void matchesFloydWarshall();
    void families_data();
    void families();
};

void tst_DistanceIndices::matchesFloydWarshall()
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

void tst_DistanceIndices::families_data()
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

void tst_DistanceIndices::families()
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

QTEST_APPLESS_MAIN(tst_DistanceIndices)
#include "tst_DistanceIndices.moc"
