#include "operators/GraphAwareKernels.h"

#include "CommonTest.h"
#include "KernelFixture.h"

#include <QtTest>

class tst_GraphAwareKernels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void edgeCorrelationAgreesWithSums();
    void momentsAgreeWithFloydWarshall();
};

// Pearson's formula over the ordered adjacent pairs, from plain sums.
void tst_GraphAwareKernels::edgeCorrelationAgreesWithSums()
{
    int compared = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 2 + qrand() % 31;
        const BitGraph g = randomGraph(n, (10 + qrand() % 80) / 100.0);
        QVector<double> x(n);
        for (double &v : x)
            v = qrand() % 21 - 10;
        double k = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
        for (int u = 0; u < n; ++u)
            for (int v = 0; v < n; ++v)
                if (u != v && (g.row[u] >> v & 1u)) {
                    k += 1;
                    sx += x[u], sy += x[v];
                    sxx += x[u] * x[u], syy += x[v] * x[v], sxy += x[u] * x[v];
                }
        const double spread = (k * sxx - sx * sx) * (k * syy - sy * sy);
        const double pearson = spread == 0 ? 1.0 : (k * sxy - sx * sy) / std::sqrt(spread);
        double r = 99;
        const OperStatus status = ::edgeCorrelation(g, column(x).block(), r);
        if (std::fabs(pearson) > 0.9999985 && spread != 0)
            continue; // too near the clamp to tell rounding from clamping
        QCOMPARE(int(status), int(spread == 0 ? OperStatus::Degenerate : OperStatus::Ok));
        FUZZY_COMPARE(r, pearson, 1e-9);
        compared += spread != 0;
    }
    QVERIFY(compared > 200);
}

// Distances by Floyd-Warshall, 1e12 for no path; weights or degrees.
void tst_GraphAwareKernels::momentsAgreeWithFloydWarshall()
{
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 1 + qrand() % 32;
        const BitGraph g = randomGraph(n, (qrand() % 40) / 100.0);
        const bool weighted = trial % 2;
        const std::vector<std::vector<int>> d = floydWarshall(PlainGraph(g));
        double w[32], m[32];
        for (int u = 0; u < n; ++u)
            w[u] = weighted ? qrand() % 7 - 2 : __builtin_popcount(g.row[u]);
        bool connected = true;
        const bool said = distanceMoments(g, weighted ? w : nullptr, m);
        for (int u = 0; u < n; ++u) {
            double sum = 0;
            for (int v = 0; v < n; ++v) {
                connected = connected && d[u][v] != kFar;
                sum += v == u ? 0 : (d[u][v] == kFar ? 1e12 : d[u][v]) * w[v];
            }
            QCOMPARE(m[u], sum);
        }
        QCOMPARE(said, connected);
    }
}

QTEST_APPLESS_MAIN(tst_GraphAwareKernels)
#include "tst_GraphAwareKernels.moc"
