#include "invariants/CliqueSearch.h"

#include "StructuralFixtures.h"

#include <QtTest>

Q_DECLARE_METATYPE(BitGraph)

class tst_CliqueSearch : public QObject
{
    Q_OBJECT
private slots:
    void randomGraphsAgainstAllSubsets();
    void families_data();
    void families();
    void tieGoesToLexicographicallySmallest();
};

namespace
{

// Largest set whose members are pairwise adjacent (wantEdges) or pairwise non-adjacent,
// lexicographically smallest among the largest, by trying every subset.
int bruteForce(const PlainGraph &g, bool wantEdges, uint32_t *best)
{
    int bestSize = 0;
    *best = 0;
    for (uint32_t s = 0; s < (1u << g.n); ++s) {
        bool ok = true;
        for (int i = 0; i < g.n && ok; ++i)
            for (int j = i + 1; j < g.n && ok; ++j)
                if ((s >> i & 1u) && (s >> j & 1u) && g.adj[i][j] != wantEdges)
                    ok = false;
        const int size = __builtin_popcount(s);
        if (ok && (size > bestSize || (size == bestSize && lexBefore(s, *best)))) {
            bestSize = size;
            *best = s;
        }
    }
    return bestSize;
}

uint32_t range(int from, int to)
{
    uint32_t m = 0;
    for (int v = from; v < to; ++v)
        m |= 1u << v;
    return m;
}

uint32_t everyOther(int n)
{
    uint32_t m = 0;
    for (int v = 0; v < n; v += 2)
        m |= 1u << v;
    return m;
}

} // namespace

void tst_CliqueSearch::randomGraphsAgainstAllSubsets()
{
    qsrand(1234);
    for (int t = 0; t < 1500; ++t) {
        const BitGraph g = smallRandomGraph();
        for (const BitGraph &h : {g, g.complement()}) {
            const PlainGraph p(h);
            uint32_t expectedClique, expectedStable, clique = 0xdead, stable = 0xdead;
            const int omega = bruteForce(p, true, &expectedClique);
            const int alpha = bruteForce(p, false, &expectedStable);
            QCOMPARE(maximumClique(h, &clique), omega);
            QCOMPARE(clique, expectedClique);
            QCOMPARE(maximumStableSet(h, &stable), alpha);
            QCOMPARE(stable, expectedStable);
        }
    }
}

void tst_CliqueSearch::families_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<int>("omega");
    QTest::addColumn<uint32_t>("clique");
    QTest::addColumn<int>("alpha");
    QTest::addColumn<uint32_t>("stable");
    QTest::newRow("no vertex") << emptyGraph(0) << 0 << 0u << 0 << 0u;
    QTest::newRow("one vertex") << emptyGraph(1) << 1 << 1u << 1 << 1u;
    for (int n = 2; n <= 32; ++n) {
        const QByteArray k = QByteArray::number(n);
        QTest::newRow("K" + k) << completeGraph(n) << n << range(0, n) << 1 << 1u;
        QTest::newRow("empty " + k) << emptyGraph(n) << 1 << 1u << n << range(0, n);
        QTest::newRow("P" + k) << pathGraph(n) << 2 << 3u << (n + 1) / 2 << everyOther(n);
        if (n >= 3) // the star on two vertices is K2, whose largest stable set is {0}
            QTest::newRow("star " + k) << starGraph(n) << 2 << 3u << n - 1 << range(1, n);
        if (n >= 4)
            QTest::newRow("C" + k) << cycleGraph(n) << 2 << 3u << n / 2 << everyOther(2 * (n / 2));
        for (int a = 1; a < n; a += 5) {
            const int b = n - a;
            QTest::newRow("K" + QByteArray::number(a) + "," + QByteArray::number(b))
                << completeBipartite(a, b) << 2 << ((1u << a) | 1u) << (a > b ? a : b)
                << (a >= b ? range(0, a) : range(a, n));
        }
    }
}

void tst_CliqueSearch::families()
{
    QFETCH(BitGraph, g);
    QFETCH(int, omega);
    QFETCH(uint32_t, clique);
    QFETCH(int, alpha);
    QFETCH(uint32_t, stable);
    uint32_t c = 0, s = 0;
    QCOMPARE(maximumClique(g, &c), omega);
    QCOMPARE(c, clique);
    QCOMPARE(maximumStableSet(g, &s), alpha);
    QCOMPARE(s, stable);
    // A clique of the complement is a stable set of the graph.
    const BitGraph h = g.complement();
    QCOMPARE(maximumClique(h, &c), alpha);
    QCOMPARE(c, stable);
}

void tst_CliqueSearch::tieGoesToLexicographicallySmallest()
{
    // Largest cliques {0, 1, 4} and {0, 2, 3}.
    const BitGraph g = graphOf(5, {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 4}, {2, 3}});
    uint32_t c = 0;
    QCOMPARE(maximumClique(g, &c), 3);
    QCOMPARE(c, (1u << 0) | (1u << 1) | (1u << 4));
}

QTEST_APPLESS_MAIN(tst_CliqueSearch)
#include "tst_CliqueSearch.moc"
