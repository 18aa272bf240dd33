#include "invariants/SubgraphCounts.h"

#include "StructuralFixtures.h"

#include <QtTest>

Q_DECLARE_METATYPE(BitGraph)

class tst_SubgraphCounts : public QObject
{
    Q_OBJECT
private slots:
    void randomGraphsAgainstAllTuples();
    void families_data();
    void families();
};

namespace
{

struct Counts {
    int triangles = 0, k4 = 0, claws = 0;
};

Counts bruteForce(const PlainGraph &g)
{
    Counts c;
    const int n = g.n;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int x = b + 1; x < n; ++x) {
                const bool tri = g.adj[a][b] && g.adj[a][x] && g.adj[b][x];
                c.triangles += tri;
                for (int y = x + 1; y < n; ++y)
                    c.k4 += tri && g.adj[a][y] && g.adj[b][y] && g.adj[x][y];
            }
    for (int v = 0; v < n; ++v) {
        int nb[32], d = 0;
        for (int w = 0; w < n; ++w)
            if (g.adj[v][w])
                nb[d++] = w;
        c.claws += d == 3 && !g.adj[nb[0]][nb[1]] && !g.adj[nb[0]][nb[2]] && !g.adj[nb[1]][nb[2]];
    }
    return c;
}

int choose(int n, int k)
{
    long long r = 1;
    for (int i = 0; i < k; ++i)
        r = r * (n - i) / (i + 1);
    return n < k ? 0 : int(r);
}

} // namespace

void tst_SubgraphCounts::randomGraphsAgainstAllTuples()
{
    qsrand(1234);
    for (int t = 0; t < 1500; ++t) {
        const BitGraph g0 = smallRandomGraph();
        for (const BitGraph &g : {g0, g0.complement()}) {
            const Counts c = bruteForce(PlainGraph(g));
            QCOMPARE(triangleCount(g), c.triangles);
            QCOMPARE(k4Count(g), c.k4);
            QCOMPARE(clawCount(g), c.claws);
        }
    }
}

void tst_SubgraphCounts::families_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<int>("triangles");
    QTest::addColumn<int>("k4");
    QTest::addColumn<int>("claws");
    QTest::newRow("no vertex") << emptyGraph(0) << 0 << 0 << 0;
    QTest::newRow("three leaves and edge 1-2")
        << graphOf(4, {{0, 1}, {0, 2}, {0, 3}, {1, 2}}) << 1 << 0 << 0;
    QTest::newRow("two claws") << graphOf(8, {{0, 1}, {0, 2}, {0, 3}, {4, 5}, {4, 6}, {4, 7}}) << 0
                               << 0 << 2;
    for (int n = 1; n <= 32; ++n) {
        const QByteArray k = QByteArray::number(n);
        QTest::newRow("K" + k) << completeGraph(n) << choose(n, 3) << choose(n, 4) << 0;
        QTest::newRow("empty " + k) << emptyGraph(n) << 0 << 0 << 0;
        QTest::newRow("P" + k) << pathGraph(n) << 0 << 0 << 0;
        QTest::newRow("star " + k) << starGraph(n) << 0 << 0 << (n == 4 ? 1 : 0);
        if (n >= 3)
            QTest::newRow("C" + k) << cycleGraph(n) << (n == 3 ? 1 : 0) << 0 << 0;
        for (int a = 1; a < n; ++a) {
            const int b = n - a;
            QTest::newRow("K" + QByteArray::number(a) + "," + QByteArray::number(b))
                << completeBipartite(a, b) << 0 << 0 << (a == 3 ? b : 0) + (b == 3 ? a : 0);
        }
    }
}

void tst_SubgraphCounts::families()
{
    QFETCH(BitGraph, g);
    QFETCH(int, triangles);
    QFETCH(int, k4);
    QFETCH(int, claws);
    QCOMPARE(triangleCount(g), triangles);
    QCOMPARE(k4Count(g), k4);
    QCOMPARE(clawCount(g), claws);
}

QTEST_APPLESS_MAIN(tst_SubgraphCounts)
#include "tst_SubgraphCounts.moc"
