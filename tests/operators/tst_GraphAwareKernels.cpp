#include "operators/GraphAwareKernels.h"

#include "CommonTest.h"
#include "ValueRowsFixture.h"

#include <QtTest>
#include <cmath>
#include <limits>

namespace
{

BitGraph pathGraph(int n)
{
    BitGraph g;
    g.n = n;
    for (int v = 0; v + 1 < n; ++v)
        g.addEdge(v, v + 1);
    return g;
}

BitGraph randomGraph(int n, int percent)
{
    BitGraph g;
    g.n = n;
    for (int u = 0; u < n; ++u)
        for (int v = u + 1; v < n; ++v)
            if (qrand() % 100 < percent)
                g.addEdge(u, v);
    return g;
}

StoredValue column(const QVector<double> &x)
{
    StoredValue c(x.size(), 1, {});
    for (int i = 0; i < x.size(); ++i)
        c.m[i][0] = x[i];
    return c;
}

// All-pairs distances by Floyd-Warshall on a plain adjacency test, -1 for no path.
QVector<QVector<int>> floydDistances(const BitGraph &g)
{
    const int inf = 1 << 20;
    QVector<QVector<int>> d(g.n, QVector<int>(g.n, inf));
    for (int u = 0; u < g.n; ++u)
        for (int v = 0; v < g.n; ++v)
            d[u][v] = u == v ? 0 : (g.row[u] >> v & 1u) ? 1 : inf;
    for (int k = 0; k < g.n; ++k)
        for (int i = 0; i < g.n; ++i)
            for (int j = 0; j < g.n; ++j)
                d[i][j] = std::min(d[i][j], d[i][k] + d[k][j]);
    for (auto &row : d)
        for (int &x : row)
            if (x >= inf)
                x = -1;
    return d;
}

} // namespace

class tst_GraphAwareKernels : public QObject
{
    Q_OBJECT
private slots:
    void edgeCorrelationByHand();
    void edgeCorrelationAgreesWithSumsOracle();
    void momentsByHand();
    void momentsAgreeWithFloydWarshall();
    void normalizeByHand();
    void normalizeRefusals_data();
    void normalizeRefusals();
};

void tst_GraphAwareKernels::edgeCorrelationByHand()
{
    double r = 0;
    // Path 0-1-2 with its degrees: X = (1,2,2,1), Y = (2,1,1,2), perfectly anti-correlated.
    QCOMPARE(int(edgeCorrelation(pathGraph(3), column({1, 2, 1}).block(), r)), int(OperStatus::Ok));
    QCOMPARE(r, -1.0);
    // No edge at all.
    BitGraph empty;
    empty.n = 3;
    r = 0;
    QCOMPARE(int(edgeCorrelation(empty, column({1, 2, 3}).block(), r)),
             int(OperStatus::Degenerate));
    QCOMPARE(r, 1.0);
    // Constant on the vertices with edges; the isolated vertex 2 plays no part.
    BitGraph one;
    one.n = 3;
    one.addEdge(0, 1);
    r = 0;
    QCOMPARE(int(edgeCorrelation(one, column({5, 5, -9}).block(), r)), int(OperStatus::Degenerate));
    QCOMPARE(r, 1.0);
    // Two components, edges 0-1 and 2-3, x = (1, 2, 3, 5): X = (1, 2, 3, 5), Y = (2, 1, 5, 3),
    // both means 2.75, Sxx = Syy = 8.75 and the sum of centred products 3.75.
    BitGraph two;
    two.n = 4;
    two.addEdge(0, 1);
    two.addEdge(2, 3);
    QCOMPARE(int(edgeCorrelation(two, column({1, 2, 3, 5}).block(), r)), int(OperStatus::Ok));
    FUZZY_COMPARE(r, 3.0 / 7.0, 1e-12);
    QCOMPARE(int(edgeCorrelation(two, StoredValue(1, 4, {1, 2, 3, 5}).block(), r)),
             int(OperStatus::ColumnVectorNeeded));
    QCOMPARE(int(edgeCorrelation(two, column({1, 2, 3}).block(), r)),
             int(OperStatus::ColumnVectorNeeded));
}

void tst_GraphAwareKernels::edgeCorrelationAgreesWithSumsOracle()
{
    qsrand(1234);
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
        const double varX = k * sxx - sx * sx, varY = k * syy - sy * sy;
        double r = 99;
        const OperStatus status = edgeCorrelation(g, column(x).block(), r);
        if (k == 0 || varX * varY == 0) {
            QCOMPARE(int(status), int(OperStatus::Degenerate));
            QCOMPARE(r, 1.0);
            continue;
        }
        double oracle = (k * sxy - sx * sy) / std::sqrt(varX * varY);
        if (std::fabs(oracle) > 0.9999985)
            continue;
        QCOMPARE(int(status), int(OperStatus::Ok));
        FUZZY_COMPARE(r, oracle, 1e-9);
        ++compared;
    }
    QVERIFY(compared > 200);
}

void tst_GraphAwareKernels::momentsByHand()
{
    double m[32];
    QVERIFY(distanceMoments(pathGraph(3), nullptr, m));
    QCOMPARE(m[0], 4.0);
    QCOMPARE(m[1], 2.0);
    QCOMPARE(m[2], 4.0);
    const double ones[3] = {1, 1, 1};
    QVERIFY(distanceMoments(pathGraph(3), ones, m));
    QCOMPARE(m[0], 3.0);
    QCOMPARE(m[1], 2.0);
    QCOMPARE(m[2], 3.0);
    QVERIFY(distanceMoments(pathGraph(1), nullptr, m));
    QCOMPARE(m[0], 0.0);
    m[0] = 77;
    QVERIFY(distanceMoments(pathGraph(0), nullptr, m));
    QCOMPARE(m[0], 77.0);
    // Two components: edge 0-1 and edge 2-3; degrees all 1.
    BitGraph two;
    two.n = 4;
    two.addEdge(0, 1);
    two.addEdge(2, 3);
    QVERIFY(!distanceMoments(two, nullptr, m));
    for (int v = 0; v < 4; ++v)
        QCOMPARE(m[v], 1.0 + 2e12);
    // An isolated vertex with weight 0 adds nothing however far it is.
    BitGraph isolated = pathGraph(3);
    isolated.n = 4;
    QVERIFY(!distanceMoments(isolated, nullptr, m));
    QCOMPARE(m[1], 2.0);
    QCOMPARE(m[3], 4e12);
}

void tst_GraphAwareKernels::momentsAgreeWithFloydWarshall()
{
    qsrand(1234);
    for (int trial = 0; trial < 200; ++trial) {
        const int n = 1 + qrand() % 32;
        const BitGraph g = randomGraph(n, qrand() % 40);
        const bool weighted = trial % 2;
        double w[32];
        for (int v = 0; v < n; ++v)
            w[v] = weighted ? qrand() % 7 - 2 : __builtin_popcount(g.row[v]);
        const QVector<QVector<int>> d = floydDistances(g);
        bool connected = true;
        double m[32];
        const bool said = distanceMoments(g, weighted ? w : nullptr, m);
        for (int u = 0; u < n; ++u) {
            double oracle = 0;
            for (int v = 0; v < n; ++v) {
                if (v == u)
                    continue;
                if (d[u][v] < 0)
                    connected = false;
                oracle += (d[u][v] < 0 ? 1e12 : d[u][v]) * w[v];
            }
            QCOMPARE(m[u], oracle);
        }
        QCOMPARE(said, connected);
    }
}

void tst_GraphAwareKernels::normalizeByHand()
{
    const BitGraph edge01 = pathGraph(2);
    for (const bool asRow : {false, true}) {
        StoredValue v(asRow ? 1 : 2, asRow ? 2 : 1, {});
        (asRow ? v.m[0][1] : v.m[1][0]) = 1;
        v.m[0][0] = 4;
        ValueRows out = markedStore();
        QCOMPARE(int(normalizeByEdges(edge01, v.block(), out)), int(OperStatus::Ok));
        QCOMPARE(out[0][1], 0.5);
        QCOMPARE(out[1][0], 0.5);
        QCOMPARE(out[0][0], 0.0);
        QCOMPARE(out[1][1], 0.0);
        QCOMPARE(out[2][0], -4242.0);
        QCOMPARE(out[0][2], -4242.0);
    }
    // Path 0-1-2 with v = (1, 4, 9): edges give 1/2 and 1/6; the pair 0-2 is no edge.
    ValueRows out = markedStore();
    QCOMPARE(int(normalizeByEdges(pathGraph(3), column({1, 4, 9}).block(), out)),
             int(OperStatus::Ok));
    QCOMPARE(out[0][1], 0.5);
    QCOMPARE(out[2][1], 1.0 / 6.0);
    QCOMPARE(out[0][2], 0.0);
    // A zero on an isolated vertex is harmless: only edges take a product.
    BitGraph withIsolated = pathGraph(2);
    withIsolated.n = 3;
    QCOMPARE(int(normalizeByEdges(withIsolated, column({1, 1, 0}).block(), out)),
             int(OperStatus::Ok));
    QCOMPARE(out[0][1], 1.0);
}

void tst_GraphAwareKernels::normalizeRefusals_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("cols");
    QTest::addColumn<QVector<double>>("entries");
    QTest::addColumn<int>("status");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("empty") << 0 << 0 << QVector<double>{} << int(OperStatus::ArgumentError);
    QTest::newRow("1x1") << 1 << 1 << QVector<double>{2} << int(OperStatus::SingleValue);
    QTest::newRow("3x3") << 3 << 3 << QVector<double>(9, 1.0) << int(OperStatus::NotVector);
    QTest::newRow("short") << 2 << 1 << QVector<double>{1, 1} << int(OperStatus::WrongLength);
    QTest::newRow("long") << 1 << 4 << QVector<double>{1, 1, 1, 1} << int(OperStatus::WrongLength);
    QTest::newRow("zero end") << 3 << 1 << QVector<double>{1, 0, 1}
                              << int(OperStatus::NonPositiveProduct);
    QTest::newRow("negative product")
        << 3 << 1 << QVector<double>{1, -2, -3} << int(OperStatus::NonPositiveProduct);
    QTest::newRow("both negative") << 3 << 1 << QVector<double>{-1, -4, -9} << int(OperStatus::Ok);
    QTest::newRow("NaN") << 3 << 1 << QVector<double>{1, nan, 1}
                         << int(OperStatus::NonPositiveProduct);
    QTest::newRow("underflow") << 3 << 1 << QVector<double>{1e-200, 1e-200, 1}
                               << int(OperStatus::NonPositiveProduct);
    QTest::newRow("infinite") << 3 << 1 << QVector<double>{inf, 1, 1} << int(OperStatus::Ok);
}

void tst_GraphAwareKernels::normalizeRefusals()
{
    QFETCH(int, rows);
    QFETCH(int, cols);
    QFETCH(QVector<double>, entries);
    QFETCH(int, status);
    StoredValue v(rows, cols, {});
    for (int k = 0; k < entries.size(); ++k)
        v.m[k / cols][k % cols] = entries[k];
    ValueRows out = markedStore();
    QCOMPARE(int(normalizeByEdges(pathGraph(3), v.block(), out)), status);
    if (status != int(OperStatus::Ok)) {
        QCOMPARE(out[0][0], -4242.0); // a refusal writes nothing
        return;
    }
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            QVERIFY(std::isfinite(out[i][j]) && out[i][j] == out[j][i]);
}

QTEST_APPLESS_MAIN(tst_GraphAwareKernels)
#include "tst_GraphAwareKernels.moc"
