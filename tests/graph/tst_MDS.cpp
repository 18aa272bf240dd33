#include "CommonTest.h"
#include "GraphFixtures.h"
#include "graph/Graph.h"
#include "graph/MDS.h"
#include "graph/Node.h"

#include <QtTest>
#include <cmath>

namespace
{

double embedded(const MDS &m, int i, int j)
{
    double s = 0.0;
    for (int d = 0; d < m.dimension(); ++d)
        s += std::pow(m.position(i, d) - m.position(j, d), 2);
    return std::sqrt(s);
}

} // namespace

class tst_MDS : public QObject
{
    Q_OBJECT
private slots:
    void init() { qsrand(1234); }
    void targetsAreScaledDistances();
    void centredPositionsWritten();
    void pathIsStraightened();
    void componentsStayApart();
    void nothingToScaleKeepsPositions_data();
    void nothingToScaleKeepsPositions();
};

void tst_MDS::targetsAreScaledDistances()
{
    for (int n = 0; n <= 32; ++n)
        for (int oneIn : {1, 2, 6, 40}) {
            const BitGraph g = randomBitGraph(n, oneIn);
            const double size = 10.0 + 10 * oneIn;
            const auto d = floydWarshall(PlainGraph(g));
            int longest = 0;
            for (const auto &row : d)
                for (int x : row)
                    longest = std::max(longest, x < kFar ? x : 0);
            MDS m(g, size, 2 + n % 2);
            QCOMPARE(m.laidOut(), longest > 0);
            if (!m.laidOut())
                continue;
            FUZZY_COMPARE(m.largestDistance(), size, 1e-12);
            for (int i = 0; i < n; ++i)
                for (int j = 0; j < n; ++j) {
                    FUZZY_COMPARE(m.targetDistance(i, j),
                                  (d[i][j] == kFar ? n : d[i][j]) * size / longest, 1e-12);
                    QVERIFY(std::isfinite(m.position(i, j % m.dimension())));
                }
        }
}

void tst_MDS::centredPositionsWritten()
{
    for (int dim : {2, 3})
        for (const BitGraph &g : {pathGraph(5), randomBitGraph(32, 4),
                                  fromEdges(7, {{0, 1}, {1, 2}, {3, 4}, {4, 5}, {5, 3}})}) {
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
                    mean[d] += c[d] / g.n;
                    QCOMPARE(c[d], d < dim ? m.position(i, d) : 0.0);
                }
            }
            for (int d = 0; d < 3; ++d)
                FUZZY_COMPARE(mean[d], 0.0, 1e-9);
            QVERIFY(embedded(m, 0, 1) > 1.0); // a real spread, not one point
        }
}

void tst_MDS::pathIsStraightened()
{
    // A path has an exact embedding on a line: every residual should nearly vanish.
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
    // than any shape of the triangles.
    const BitGraph g = fromEdges(6, {{0, 1}, {1, 2}, {2, 0}, {3, 4}, {4, 5}, {5, 3}});
    for (int round = 0; round < 10; ++round) {
        MDS m(g, 100, 2);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                QVERIFY(embedded(m, i, j + 3) > 95.0 &&
                        (i == j || (embedded(m, i, j) > 20.0 && embedded(m, i + 3, j + 3) > 20.0)));
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
        for (int i = 0; i < 32; ++i)
            QVERIFY(g.getNode(i)->getCoordX() == i && g.getNode(i)->getCoordY() == -i);
    }
}

QTEST_MAIN(tst_MDS)
#include "tst_MDS.moc"
