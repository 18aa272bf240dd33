#include "invariants/DistanceIndices.h"
#include "invariants/PendantDistances.h"

#include "CommonTest.h"
#include "DistanceOracles.h"

#include <QtTest>
#include <cmath>

using namespace oracle;

class tst_DistanceIndices : public QObject
{
    Q_OBJECT
private slots:
    void matchesFloydWarshall_data() { addSuiteRows(); }
    void matchesFloydWarshall();
    void girthMatchesEdgeRemoval_data() { addSuiteRows(); }
    void girthMatchesEdgeRemoval();
    void pendantDistances_data() { addSuiteRows(); }
    void pendantDistances();
    void paths();
    void cycles();
    void stars();
    void completeGraphs();
    void completeBipartiteGraphs();
};

void tst_DistanceIndices::matchesFloydWarshall()
{
    QFETCH(BitGraph, g);
    const Plain p = plainOf(g);
    const auto fw = floydWarshall(p);
    const int n = p.n;
    DistanceMatrix dm;
    allDistances(g, dm);

    double dist[32][32], ecc[32], trans[32], harm[32], close[32];
    distanceValues(dm, dist);
    eccentricities(dm, ecc);
    transmissions(dm, trans);
    harmonicCentrality(dm, harm);
    const bool closenessOk = closenessCentrality(dm, close);

    bool connected = true;
    long wiener = 0;
    double harary = 0;
    double expectedEcc[32], expectedTrans[32];
    for (int u = 0; u < n; ++u) {
        int e = 0;
        long t = 0;
        double h = 0;
        for (int v = 0; v < n; ++v) {
            const int d = fw[u][v];
            QCOMPARE(dist[u][v], d == kFar ? 1e12 : double(d));
            if (d == kFar) {
                connected = false;
                e = kFar;
                t = kFar;
                continue;
            }
            e = std::max(e, d);
            if (t != kFar)
                t += d;
            if (v != u) {
                h += 1.0 / d;
                if (u < v) {
                    wiener += d;
                    harary += 1.0 / d;
                }
            }
        }
        expectedEcc[u] = e == kFar ? 1e12 : e;
        expectedTrans[u] = t == kFar ? 1e12 : double(t);
        QCOMPARE(ecc[u], expectedEcc[u]);
        QCOMPARE(trans[u], expectedTrans[u]);
        FUZZY_COMPARE(harm[u], h, 1e-12);
    }
    FUZZY_COMPARE(hararyIndex(dm), harary, 1e-12);
    QCOMPARE(dm.connected(), connected);
    QCOMPARE(isConnected(g), connected);
    QCOMPARE(closenessOk, connected);

    if (connected) {
        QCOMPARE(wienerIndex(g), double(wiener));
        double diam = 0, rad = n ? 1e12 : 0;
        for (int u = 0; u < n; ++u) {
            diam = std::max(diam, expectedEcc[u]);
            rad = std::min(rad, expectedEcc[u]);
            FUZZY_COMPARE(close[u], n == 1 ? 0.0 : (n - 1) / expectedTrans[u], 1e-12);
        }
        QCOMPARE(diameter(dm), diam);
        QCOMPARE(radius(dm), rad);
    } else {
        QCOMPARE(wienerIndex(g), 1e12);
        QCOMPARE(diameter(dm), 1e12);
        QCOMPARE(radius(dm), 1e12);
    }

    double avdist = -1;
    QCOMPARE(averageDistance(dm, avdist), connected && n >= 2);
    if (connected && n >= 2)
        FUZZY_COMPARE(avdist, wiener / (n * (n - 1) / 2.0), 1e-12);

    // Balaban and Szeged straight from their sums over edges.
    int m = 0;
    double balabanSum = 0, szeged = 0;
    for (int u = 0; u < n; ++u)
        for (int v = u + 1; v < n; ++v) {
            if (!p.a[u][v])
                continue;
            ++m;
            if (connected)
                balabanSum += 1.0 / std::sqrt(expectedTrans[u] * expectedTrans[v]);
            int nu = 0, nv = 0;
            for (int w = 0; w < n; ++w) {
                if (fw[w][u] == kFar)
                    continue;
                nu += fw[w][u] < fw[w][v];
                nv += fw[w][v] < fw[w][u];
            }
            szeged += nu * nv;
        }
    QCOMPARE(szegedIndex(g, dm), szeged);
    double balaban = -1;
    QCOMPARE(balabanIndex(g, dm, balaban), connected);
    if (connected)
        FUZZY_COMPARE(balaban, m / double(m - n + 2) * balabanSum, 1e-12);
}

void tst_DistanceIndices::girthMatchesEdgeRemoval()
{
    // A shortest cycle through edge uv is a shortest u-v path avoiding uv, closed by uv.
    QFETCH(BitGraph, g);
    Plain p = plainOf(g);
    int best = kFar;
    for (int u = 0; u < p.n; ++u)
        for (int v = u + 1; v < p.n; ++v) {
            if (!p.a[u][v])
                continue;
            p.a[u][v] = p.a[v][u] = false;
            const int d = floydWarshall(p)[u][v];
            p.a[u][v] = p.a[v][u] = true;
            if (d != kFar)
                best = std::min(best, d + 1);
        }
    QCOMPARE(girth(g), best == kFar ? 1e12 : double(best));
}

void tst_DistanceIndices::pendantDistances()
{
    QFETCH(BitGraph, g);
    const Plain p = plainOf(g);
    const auto fw = floydWarshall(p);
    DistanceMatrix dm;
    allDistances(g, dm);
    double sum[32], closest[32];
    sumDistancesToPendants(g, dm, sum);
    distanceToClosestPendant(g, dm, closest);
    for (int u = 0; u < p.n; ++u) {
        long s = 0;
        int c = kFar;
        for (int q = 0; q < p.n; ++q)
            if (degreeOf(p, q) == 1 && fw[u][q] != kFar) {
                s += fw[u][q];
                c = std::min(c, fw[u][q]);
            }
        QCOMPARE(sum[u], double(s));
        QCOMPARE(closest[u], c == kFar ? 1e12 : double(c));
        if (degreeOf(p, u) == 1)
            QCOMPARE(closest[u], 0.0);
    }
}

void tst_DistanceIndices::paths()
{
    for (int n = 1; n <= 32; ++n) {
        const BitGraph g = path(n);
        DistanceMatrix dm;
        allDistances(g, dm);
        QCOMPARE(wienerIndex(g), n * (double(n) * n - 1) / 6);
        QCOMPARE(szegedIndex(g, dm), n * (double(n) * n - 1) / 6); // trees: Szeged = Wiener
        QCOMPARE(diameter(dm), double(n - 1));
        QCOMPARE(radius(dm), double(n / 2));
        QCOMPARE(girth(g), 1e12);
        double harary = 0;
        for (int k = 1; k < n; ++k)
            harary += double(n - k) / k;
        FUZZY_COMPARE(hararyIndex(dm), harary, 1e-12);

        double ecc[32], t[32], harm[32], close[32], sum[32], closest[32];
        eccentricities(dm, ecc);
        transmissions(dm, t);
        harmonicCentrality(dm, harm);
        QVERIFY(closenessCentrality(dm, close));
        sumDistancesToPendants(g, dm, sum);
        distanceToClosestPendant(g, dm, closest);
        double balabanSum = 0;
        auto tr = [n](int i) { return i * (i + 1) / 2.0 + (n - 1 - i) * (n - i) / 2.0; };
        for (int i = 0; i < n; ++i) {
            QCOMPARE(ecc[i], double(std::max(i, n - 1 - i)));
            QCOMPARE(t[i], tr(i));
            FUZZY_COMPARE(harm[i], harmonicNumber(i) + harmonicNumber(n - 1 - i), 1e-12);
            if (n >= 2) {
                FUZZY_COMPARE(close[i], (n - 1) / tr(i), 1e-12);
                QCOMPARE(sum[i], double(n - 1));
                QCOMPARE(closest[i], double(std::min(i, n - 1 - i)));
            }
            if (i + 1 < n)
                balabanSum += 1 / std::sqrt(tr(i) * tr(i + 1));
        }
        double balaban = -1;
        QVERIFY(balabanIndex(g, dm, balaban));
        FUZZY_COMPARE(balaban, (n - 1) * balabanSum, 1e-12);
    }
}

void tst_DistanceIndices::cycles()
{
    for (int n = 3; n <= 32; ++n) {
        const BitGraph g = cycle(n);
        DistanceMatrix dm;
        allDistances(g, dm);
        const bool even = n % 2 == 0;
        const double w = even ? n * double(n) * n / 8 : n * (double(n) * n - 1) / 8;
        QCOMPARE(wienerIndex(g), w);
        QCOMPARE(szegedIndex(g, dm), even ? double(n) * n * n / 4 : n * (n - 1.0) * (n - 1) / 4);
        QCOMPARE(diameter(dm), double(n / 2));
        QCOMPARE(radius(dm), double(n / 2));
        QCOMPARE(girth(g), double(n));
        const int k = n / 2;
        FUZZY_COMPARE(
            hararyIndex(dm),
            even ? n / 2.0 * (2 * harmonicNumber(k - 1) + 1.0 / k) : n * harmonicNumber(k), 1e-12);
        const double t = 2 * w / n;
        double balaban = -1;
        QVERIFY(balabanIndex(g, dm, balaban));
        FUZZY_COMPARE(balaban, n * double(n) / (2 * t), 1e-12);
        double trans[32], close[32], sum[32], closest[32];
        transmissions(dm, trans);
        QVERIFY(closenessCentrality(dm, close));
        sumDistancesToPendants(g, dm, sum);
        distanceToClosestPendant(g, dm, closest);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(trans[i], t);
            FUZZY_COMPARE(close[i], (n - 1) / t, 1e-12);
            QCOMPARE(sum[i], 0.0);
            QCOMPARE(closest[i], 1e12);
        }
    }
}

void tst_DistanceIndices::stars()
{
    for (int n = 3; n <= 32; ++n) {
        const BitGraph g = star(n);
        DistanceMatrix dm;
        allDistances(g, dm);
        QCOMPARE(wienerIndex(g), (n - 1.0) * (n - 1));
        QCOMPARE(szegedIndex(g, dm), (n - 1.0) * (n - 1));
        QCOMPARE(diameter(dm), 2.0);
        QCOMPARE(radius(dm), 1.0);
        QCOMPARE(girth(g), 1e12);
        FUZZY_COMPARE(hararyIndex(dm), (n - 1) + (n - 1) * (n - 2) / 4.0, 1e-12);
        double balaban = -1;
        QVERIFY(balabanIndex(g, dm, balaban));
        FUZZY_COMPARE(balaban, std::pow(n - 1.0, 1.5) / std::sqrt(2.0 * n - 3), 1e-12);
        double ecc[32], t[32], sum[32], closest[32];
        eccentricities(dm, ecc);
        transmissions(dm, t);
        sumDistancesToPendants(g, dm, sum);
        distanceToClosestPendant(g, dm, closest);
        QCOMPARE(ecc[0], 1.0);
        QCOMPARE(t[0], n - 1.0);
        QCOMPARE(sum[0], n - 1.0);
        QCOMPARE(closest[0], 1.0);
        for (int i = 1; i < n; ++i) {
            QCOMPARE(ecc[i], 2.0);
            QCOMPARE(t[i], 2.0 * n - 3);
            QCOMPARE(sum[i], 2.0 * n - 4);
            QCOMPARE(closest[i], 0.0);
        }
    }
}

void tst_DistanceIndices::completeGraphs()
{
    for (int n = 2; n <= 32; ++n) {
        const BitGraph g = complete(n);
        DistanceMatrix dm;
        allDistances(g, dm);
        const double m = n * (n - 1) / 2.0;
        QCOMPARE(wienerIndex(g), m);
        QCOMPARE(szegedIndex(g, dm), m);
        QCOMPARE(hararyIndex(dm), m);
        QCOMPARE(diameter(dm), 1.0);
        QCOMPARE(radius(dm), 1.0);
        QCOMPARE(girth(g), n >= 3 ? 3.0 : 1e12);
        double avdist = -1, balaban = -1;
        QVERIFY(averageDistance(dm, avdist));
        QCOMPARE(avdist, 1.0);
        QVERIFY(balabanIndex(g, dm, balaban));
        FUZZY_COMPARE(balaban, m / (m - n + 2) * m / (n - 1), 1e-12);
        double close[32], harm[32];
        QVERIFY(closenessCentrality(dm, close));
        harmonicCentrality(dm, harm);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(close[i], 1.0);
            QCOMPARE(harm[i], n - 1.0);
        }
    }
}

void tst_DistanceIndices::completeBipartiteGraphs()
{
    for (int a = 1; a <= 31; ++a)
        for (int b = a; a + b <= 32; ++b) {
            const BitGraph g = completeBipartite(a, b);
            DistanceMatrix dm;
            allDistances(g, dm);
            QCOMPARE(wienerIndex(g), double(a * b + a * (a - 1) + b * (b - 1)));
            QCOMPARE(szegedIndex(g, dm), double(a) * a * b * b);
            FUZZY_COMPARE(hararyIndex(dm), a * b + (a * (a - 1) + b * (b - 1)) / 4.0, 1e-12);
            QCOMPARE(diameter(dm), a + b >= 3 ? 2.0 : 1.0);
            QCOMPARE(radius(dm), a == 1 ? 1.0 : 2.0);
            QCOMPARE(girth(g), a >= 2 ? 4.0 : 1e12);
        }
}

QTEST_APPLESS_MAIN(tst_DistanceIndices)
#include "tst_DistanceIndices.moc"
