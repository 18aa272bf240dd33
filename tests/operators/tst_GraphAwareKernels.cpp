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
    void normalize_data();
    void normalize();
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
                    sx += x[u];
                    sy += x[v];
                    sxx += x[u] * x[u];
                    syy += x[v] * x[v];
                    sxy += x[u] * x[v];
                }
        const double spread = (k * sxx - sx * sx) * (k * syy - sy * sy);
        double r = 99;
        const OperStatus status = ::edgeCorrelation(g, column(x).block(), r);
        if (k == 0 || spread == 0) {
            QCOMPARE(int(status), int(OperStatus::Degenerate));
            QCOMPARE(r, 1.0);
            continue;
        }
        const double pearson = (k * sxy - sx * sy) / std::sqrt(spread);
        if (std::fabs(pearson) > 0.9999985)
            continue; // too near the clamp to tell rounding from clamping
        QCOMPARE(int(status), int(OperStatus::Ok));
        FUZZY_COMPARE(r, pearson, 1e-9);
        ++compared;
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
                const bool far = d[u][v] == kFar;
                connected = connected && !far;
                sum += v == u ? 0 : (far ? 1e12 : d[u][v]) * w[v];
            }
            QCOMPARE(m[u], sum);
        }
        QCOMPARE(said, connected);
    }
}

void tst_GraphAwareKernels::normalize_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QVector<double>>("v");
    QTest::addColumn<int>("status");
    const int ok = int(OperStatus::Ok), nonPositive = int(OperStatus::NonPositiveProduct);
    QTest::newRow("column") << 3 << 1 << QVector<double>{1, 4, 9} << ok;
    QTest::newRow("both negative") << 3 << 1 << QVector<double>{-1, -4, -9} << ok;
    QTest::newRow("short") << 2 << 1 << QVector<double>{1, 1} << int(OperStatus::WrongLength);
    QTest::newRow("long") << 1 << 4 << QVector<double>{1, 1, 1, 1} << int(OperStatus::WrongLength);
    QTest::newRow("zero end") << 3 << 1 << QVector<double>{1, 0, 1} << nonPositive;
    QTest::newRow("negative product") << 3 << 1 << QVector<double>{1, -2, -3} << nonPositive;
    QTest::newRow("NaN") << 3 << 1 << QVector<double>{1, qQNaN(), 1} << nonPositive;
    QTest::newRow("infinite, finite result") << 3 << 1 << QVector<double>{qInf(), 1, 1} << ok;
    QTest::newRow("underflow") << 3 << 1 << QVector<double>{1e-200, 1e-200, 1} << nonPositive;
}

// Path 0-1-2: 1 / sqrt(v_i v_j) on its two edges, 0 on the pair 0-2 and the diagonal.
void tst_GraphAwareKernels::normalize()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QVector<double>, v);
    QFETCH(int, status);
    ValueRows out = markedStore();
    QCOMPARE(int(normalizeByEdges(pathGraph(3), stored(rows, cols, v).block(), out)), status);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            const bool edge = std::abs(i - j) == 1 && i < 3 && j < 3;
            const double expected = status != int(OperStatus::Ok) || i > 2 || j > 2 ? -4242.0
                                    : edge ? 1 / std::sqrt(v[i] * v[j])
                                           : 0.0;
            FUZZY_COMPARE(out[i][j], expected, 1e-15);
        }
}

QTEST_APPLESS_MAIN(tst_GraphAwareKernels)
#include "tst_GraphAwareKernels.moc"
