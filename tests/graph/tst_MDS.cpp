#include "CommonTest.h"
#include "GraphFixtures.h"
#include "graph/Graph.h"
#include "graph/MDS.h"
#include "graph/Node.h"

#include <QtTest>
#include <cmath>

namespace {

// Floyd-Warshall; -1 for unreachable pairs.
QVector<QVector<int>> distances(const BitGraph &g)
{
    const int inf = 1000;
    QVector<QVector<int>> d(g.n, QVector<int>(g.n, inf));
    for (int i = 0; i < g.n; ++i)
        for (int j = 0; j < g.n; ++j)
            d[i][j] = i == j ? 0 : ((g.row[i] >> j) & 1u) ? 1 : inf;
    for (int k = 0; k < g.n; ++k)
        for (int i = 0; i < g.n; ++i)
            for (int j = 0; j < g.n; ++j)
                d[i][j] = std::min(d[i][j], d[i][k] + d[k][j]);
    for (auto &row : d)
        for (int &x : row)
            if (x == inf)
                x = -1;
    return d;
}

double embedded(const MDS &m, int i, int j)
{
    double s = 0.0;
    for (int d = 0; d < m.dimension(); ++d)
        s += std::pow(m.position(i, d) - m.position(j, d), 2);
    return std::sqrt(s);
}

} // namespace

Q_DECLARE_METATYPE(BitGraph)

class tst_MDS : public QObject
{
    Q_OBJECT
private slots:
    void targetsAreScaledDistances_data();
    void targetsAreScaledDistances();
    void centredPositionsWritten_data();
    void centredPositionsWritten();
    void pathIsStraightened();
    void componentsStayApart();
    void nothingToScaleKeepsPositions_data();
    void nothingToScaleKeepsPositions();
    void positionsAreFinite();
};

void tst_MDS::targetsAreScaledDistances_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<double>("size");
    qsrand(1234);
    QTest::newRow("path P3") << pathGraph(3) << 200.0; // targets 100, 100 and 200
    QTest::newRow("cycle C7") << fromEdges(7, {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 6}, {6, 0}})
                              << 150.0;
    QTest::newRow("two components") << fromEdges(6, {{0, 1}, {1, 2}, {3, 4}}) << 200.0;
    QTest::newRow("sparse 20") << randomBitGraph(20, 6) << 300.0;
    QTest::newRow("dense 32") << randomBitGraph(32, 2) << 200.0;
    QTest::newRow("path 32") << pathGraph(32) << 10.0;
}

void tst_MDS::targetsAreScaledDistances()
{
    QFETCH(BitGraph, g);
    QFETCH(double, size);
    const QVector<QVector<int>> d = distances(g);
    int longest = 0;
    for (const auto &row : d)
        for (int x : row)
            longest = std::max(longest, x);
    MDS m(g, size, 2);
    FUZZY_COMPARE(m.largestDistance(), size, 1e-12);
    for (int i = 0; i < g.n; ++i)
        for (int j = 0; j < g.n; ++j) {
            const double hops = d[i][j] < 0 ? g.n : d[i][j];
            FUZZY_COMPARE(m.targetDistance(i, j), hops * size / longest, 1e-12);
        }
}

void tst_MDS::centredPositionsWritten_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<int>("dim");
    qsrand(1234);
    for (int dim : {2, 3}) {
        const QString d = QString(" in %1D").arg(dim);
        QTest::newRow(qPrintable("path 5" + d)) << pathGraph(5) << dim;
        QTest::newRow(qPrintable("random 12" + d)) << randomBitGraph(12, 3) << dim;
        QTest::newRow(qPrintable("two components" + d))
            << fromEdges(7, {{0, 1}, {1, 2}, {3, 4}, {4, 5}, {5, 3}}) << dim;
        QTest::newRow(qPrintable("random 32" + d)) << randomBitGraph(32, 4) << dim;
    }
}

void tst_MDS::centredPositionsWritten()
{
    QFETCH(BitGraph, g);
    QFETCH(int, dim);
    Graph graph("graph", false);
    QVERIFY(graph.loadmvx(toGraphString(g), false));
    graph.best_backup();
    MDS m(&graph, 200, dim);
    QVERIFY(m.laidOut());
    double mean[3] = {0, 0, 0};
    for (int i = 0; i < g.n; ++i) {
        const Node *node = graph.getNode(i);
        const double c[3] = {node->getCoordX(), node->getCoordY(), node->getCoordZ()};
        for (int d = 0; d < 3; ++d) {
            QVERIFY(std::isfinite(c[d]));
            mean[d] += c[d] / g.n;
        }
        QCOMPARE(c[0], m.position(i, 0));
        QCOMPARE(c[1], m.position(i, 1));
        QCOMPARE(c[2], dim == 3 ? m.position(i, 2) : 0.0);
    }
    for (int d = 0; d < 3; ++d)
        FUZZY_COMPARE(mean[d], 0.0, 1e-9);
    // A real spread, not everything on one point.
    QVERIFY(embedded(m, 0, 1) > 1.0);
}

void tst_MDS::pathIsStraightened()
{
    // A path has an exact embedding on a line: every residual should nearly vanish.
    qsrand(1234);
    for (int n : {4, 6, 9}) {
        MDS m(pathGraph(n), 200, 2);
        for (int i = 0; i < n; ++i)
            for (int j = i + 1; j < n; ++j)
                QVERIFY2(std::fabs(embedded(m, i, j) - 200.0 * (j - i) / (n - 1)) < 2.0,
                         qPrintable(QString("P%1 pair %2 %3").arg(n).arg(i).arg(j)));
    }
}

void tst_MDS::componentsStayApart()
{
    // Two triangles: a pair across them closer than the largest distance would cost far more
    // than any shape of the triangles, so every layout keeps them at least that far apart.
    const BitGraph g = fromEdges(6, {{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}, {5, 3}});
    qsrand(1234);
    for (int round = 0; round < 10; ++round) {
        MDS m(g, 100, 2);
        for (int i = 0; i < 3; ++i)
            for (int j = 3; j < 6; ++j)
                QVERIFY(embedded(m, i, j) > 95.0);
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 3; ++j) {
                QVERIFY(embedded(m, i, j) > 20.0 && embedded(m, i, j) < 200.0);
                QVERIFY(embedded(m, i + 3, j + 3) > 20.0 && embedded(m, i + 3, j + 3) < 200.0);
            }
    }
}

void tst_MDS::nothingToScaleKeepsPositions_data()
{
    QTest::addColumn<QString>("graph");
    QTest::addColumn<double>("size");
    QTest::newRow("empty graph") << "0 " << 200.0;
    QTest::newRow("one vertex") << "1 " << 200.0;
    QTest::newRow("five vertices, no edge") << "5 0000000000" << 200.0;
    QTest::newRow("size 0") << "3 101" << 0.0;
    QTest::newRow("negative size") << "3 101" << -5.0;
    QTest::newRow("size NaN") << "3 101" << std::nan("");
}

void tst_MDS::nothingToScaleKeepsPositions()
{
    QFETCH(QString, graph);
    QFETCH(double, size);
    Graph g("graph", false);
    QVERIFY(g.loadmvx(graph, false));
    for (int i = 0; i < 32; ++i)
        g.getNode(i)->setPosition(i, -i, 0);
    for (int dim : {2, 3}) {
        MDS m(&g, size, dim);
        QVERIFY(!m.laidOut());
        for (int i = 0; i < 32; ++i) {
            QCOMPARE(g.getNode(i)->getCoordX(), double(i));
            QCOMPARE(g.getNode(i)->getCoordY(), double(-i));
        }
    }
}

void tst_MDS::positionsAreFinite()
{
    qsrand(1234);
    for (int n = 0; n <= 32; ++n)
        for (int oneIn : {1, 2, 5, 40})
            for (int dim : {2, 3}) {
                const BitGraph g = randomBitGraph(n, oneIn);
                MDS m(g, 200, dim);
                QCOMPARE(m.laidOut(), n >= 2 && g.edgeCount() > 0);
                if (!m.laidOut())
                    continue;
                for (int i = 0; i < n; ++i)
                    for (int d = 0; d < dim; ++d)
                        QVERIFY(std::isfinite(m.position(i, d)));
            }
}

QTEST_MAIN(tst_MDS)
#include "tst_MDS.moc"
