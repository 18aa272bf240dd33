#include "invariants/VertexConnectivity.h"

#include "StructuralFixtures.h"

#include <QtTest>

Q_DECLARE_METATYPE(BitGraph)

class tst_VertexConnectivity : public QObject
{
    Q_OBJECT
private slots:
    void randomGraphsAgainstAllRemovals();
    void families_data();
    void families();
};

namespace
{

bool connectedWithout(const PlainGraph &g, uint32_t removed)
{
    int start = 0;
    while (start < g.n && (removed >> start & 1u))
        ++start;
    bool seen[32] = {};
    int stack[32], top = 0;
    stack[top++] = start;
    seen[start] = true;
    while (top) {
        const int u = stack[--top];
        for (int w = 0; w < g.n; ++w)
            if (g.adj[u][w] && !seen[w] && !(removed >> w & 1u)) {
                seen[w] = true;
                stack[top++] = w;
            }
    }
    for (int v = 0; v < g.n; ++v)
        if (!seen[v] && !(removed >> v & 1u))
            return false;
    return true;
}

// Smallest removal leaving at least two vertices and a disconnected rest; n - 1 when none does.
int bruteForce(const PlainGraph &g)
{
    int best = g.n - 1;
    for (uint32_t s = 0; s < (1u << g.n); ++s) {
        const int k = __builtin_popcount(s);
        if (k < best && g.n - k >= 2 && !connectedWithout(g, s))
            best = k;
    }
    return best;
}

} // namespace

void tst_VertexConnectivity::randomGraphsAgainstAllRemovals()
{
    qsrand(1234);
    for (int t = 0; t < 1500; ++t) {
        const BitGraph g = smallRandomGraph();
        QCOMPARE(vertexConnectivity(g), bruteForce(PlainGraph(g)));
        const BitGraph c = g.complement();
        QCOMPARE(vertexConnectivity(c), bruteForce(PlainGraph(c)));
    }
}

void tst_VertexConnectivity::families_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<int>("kappa");
    QTest::newRow("no vertex") << emptyGraph(0) << -1;
    QTest::newRow("one vertex") << emptyGraph(1) << 0;
    QTest::newRow("two K4 sharing two vertices") << graphOf(6, {{0, 1},
                                                                {0, 2},
                                                                {0, 3},
                                                                {1, 2},
                                                                {1, 3},
                                                                {2, 3},
                                                                {2, 4},
                                                                {2, 5},
                                                                {3, 4},
                                                                {3, 5},
                                                                {4, 5}})
                                                 << 2;
    for (int n = 2; n <= 32; ++n) {
        const QByteArray k = QByteArray::number(n);
        QTest::newRow("K" + k) << completeGraph(n) << n - 1;
        QTest::newRow("empty " + k) << emptyGraph(n) << 0;
        if (n >= 3) {
            QTest::newRow("P" + k) << pathGraph(n) << 1;
            QTest::newRow("star " + k) << starGraph(n) << 1;
            QTest::newRow("star complement " + k) << starGraph(n).complement() << 0;
        }
        if (n >= 4)
            QTest::newRow("C" + k) << cycleGraph(n) << 2;
        for (int a = 1; a < n; a += 3)
            QTest::newRow("K" + QByteArray::number(a) + "," + QByteArray::number(n - a))
                << completeBipartite(a, n - a) << std::min(a, n - a);
    }
}

void tst_VertexConnectivity::families()
{
    QFETCH(BitGraph, g);
    QFETCH(int, kappa);
    QCOMPARE(vertexConnectivity(g), kappa);
}

QTEST_APPLESS_MAIN(tst_VertexConnectivity)
#include "tst_VertexConnectivity.moc"
