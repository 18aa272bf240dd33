#include "operators/GraphAwareKernels.h"

#include "CommonTest.h"
#include "KernelFixture.h"

#include <QtTest>

class tst_GraphAwareKernels : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { qsrand(1234); }
    void edgeCorrelation_data();
    void edgeCorrelation();
    void edgeCorrelationAgreesWithSums();
    void momentsByHand();
    void momentsAgreeWithFloydWarshall();
    void normalize_data();
    void normalize();
};

void tst_GraphAwareKernels::edgeCorrelation_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QVector<int>>("chain"); // edges i-(i+1)
    QTest::addColumn<int>("rows");
    QTest::addColumn<QVector<double>>("x");
    QTest::addColumn<int>("status");
    QTest::addColumn<double>("expected");
    const int ok = int(OperStatus::Ok), degenerate = int(OperStatus::Degenerate);
    const int columnNeeded = int(OperStatus::ColumnVectorNeeded);
    // X = (1,2,2,1) against Y = (2,1,1,2).
    QTest::newRow("path, degrees") << 3 << QVector<int>{0, 1} << 3 << QVector<double>{1, 2, 1} << ok
                                   << -1.0;
    // X = (1,2,3,5), Y = (2,1,5,3): means 2.75, Sxx = Syy = 8.75, centred products 3.75.
    QTest::newRow("two components") << 4 << QVector<int>{0, 2} << 4 << QVector<double>{1, 2, 3, 5}
                                    << ok << 3.0 / 7.0;
    QTest::newRow("no edge") << 3 << QVector<int>{} << 3 << QVector<double>{1, 2, 3} << degenerate
                             << 1.0;
    QTest::newRow("constant on the edges, isolated vertex apart")
        << 3 << QVector<int>{0} << 3 << QVector<double>{5, 5, -9} << degenerate << 1.0;
    QTest::newRow("row vector") << 4 << QVector<int>{0, 2} << 1 << QVector<double>{1, 2, 3, 5}
                                << columnNeeded << 99.0;
    QTest::newRow("short column") << 4 << QVector<int>{0, 2} << 3 << QVector<double>{1, 2, 3}
                                  << columnNeeded << 99.0;
}

void tst_GraphAwareKernels::edgeCorrelation()
{
    QFETCH(int, n);
    QFETCH(QVector<int>, chain);
    QFETCH(int, rows);
    QFETCH(QVector<double>, x);
    QFETCH(int, status);
    QFETCH(double, expected);
    BitGraph g = chainGraph(n, chain);
    if (chain.isEmpty())
        g = randomGraph(n, 0);
    double r = 99;
    QCOMPARE(int(::edgeCorrelation(g, stored(rows, x.size() / rows, x).block(), r)), status);
    FUZZY_COMPARE(r, expected, 1e-12);
}

// Pearson's formula over the ordered adjacent pairs, from plain sums.
void tst_GraphAwareKernels::edgeCorrelationAgreesWithSums()
{
    int compared = 0;
    for (int trial = 0; trial < 300; ++trial) {
        const int n = 2 + qrand() % 31;
        const BitGraph g = randomGraph(n, 10 + qrand() % 80);
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
        const double oracle = (k * sxy - sx * sy) / std::sqrt(spread);
        if (std::fabs(oracle) > 0.9999985)
            continue; // too near the clamp to tell rounding from clamping
        QCOMPARE(int(status), int(OperStatus::Ok));
        FUZZY_COMPARE(r, oracle, 1e-9);
        ++compared;
    }
    QVERIFY(compared > 200);
}

void tst_GraphAwareKernels::momentsByHand()
{
    double m[32] = {77};
    QVERIFY(distanceMoments(chainGraph(0), nullptr, m)); // n = 0 writes nothing
    QCOMPARE(m[0], 77.0);
    QVERIFY(distanceMoments(chainGraph(3), nullptr, m)); // path, degrees 1 2 1
    QCOMPARE(QVector<double>(m, m + 3), QVector<double>({4, 2, 4}));
    // Edges 0-1 and 2-3: the far pair counts 1e12.
    QVERIFY(!distanceMoments(chainGraph(4, {0, 2}), nullptr, m));
    QCOMPARE(QVector<double>(m, m + 4), QVector<double>(4, 1 + 2e12));
}

// Distances by Floyd-Warshall, 1e12 for no path; weights or degrees.
void tst_GraphAwareKernels::momentsAgreeWithFloydWarshall()
{
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 1 + qrand() % 32;
        const BitGraph g = randomGraph(n, qrand() % 40);
        const bool weighted = trial % 2;
        double w[32], m[32], d[32][32];
        for (int u = 0; u < n; ++u) {
            w[u] = weighted ? qrand() % 7 - 2 : __builtin_popcount(g.row[u]);
            for (int v = 0; v < n; ++v)
                d[u][v] = u == v ? 0 : (g.row[u] >> v & 1u) ? 1 : 1e12;
        }
        for (int k = 0; k < n; ++k)
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j)
                    d[i][j] = std::min(d[i][j], d[i][k] + d[k][j]);
        bool connected = true;
        const bool said = distanceMoments(g, weighted ? w : nullptr, m);
        for (int u = 0; u < n; ++u) {
            double oracle = 0;
            for (int v = 0; v < n; ++v) {
                connected = connected && d[u][v] < 1e12;
                oracle += v == u ? 0 : std::min(d[u][v], 1e12) * w[v];
            }
            QCOMPARE(m[u], oracle);
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
    QTest::newRow("row") << 1 << 3 << QVector<double>{1, 4, 9} << ok;
    QTest::newRow("both negative") << 3 << 1 << QVector<double>{-1, -4, -9} << ok;
    QTest::newRow("empty") << 0 << 0 << QVector<double>{} << int(OperStatus::ArgumentError);
    QTest::newRow("1x1") << 1 << 1 << QVector<double>{2} << int(OperStatus::SingleValue);
    QTest::newRow("3x3") << 3 << 3 << QVector<double>(9, 1.0) << int(OperStatus::NotVector);
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
    QCOMPARE(int(normalizeByEdges(chainGraph(3), stored(rows, cols, v).block(), out)), status);
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
