#include "invariants/DominationSearch.h"

#include "StructuralFixtures.h"

#include <QtTest>

Q_DECLARE_METATYPE(BitGraph)

class tst_DominationSearch : public QObject
{
    Q_OBJECT
private slots:
    void randomGraphsAgainstAllSubsets();
    void families_data();
    void families();
    void examples_data();
    void examples();
};

namespace
{

int bruteForce(const PlainGraph &g, uint32_t *best)
{
    int bestSize = g.n + 1;
    *best = 0;
    for (uint32_t s = 0; s < (1u << g.n); ++s) {
        bool dominates = true;
        for (int v = 0; v < g.n && dominates; ++v) {
            bool hit = s >> v & 1u;
            for (int w = 0; w < g.n && !hit; ++w)
                hit = (s >> w & 1u) && g.adj[v][w];
            dominates = hit;
        }
        const int size = __builtin_popcount(s);
        if (dominates && (size < bestSize || (size == bestSize && lexBefore(s, *best)))) {
            bestSize = size;
            *best = s;
        }
    }
    return bestSize;
}

} // namespace

void tst_DominationSearch::randomGraphsAgainstAllSubsets()
{
    qsrand(1234);
    for (int t = 0; t < 1500; ++t) {
        const BitGraph g = smallRandomGraph();
        for (const BitGraph &h : {g, g.complement()}) {
            uint32_t expected, set = 0xdead;
            const int gamma = bruteForce(PlainGraph(h), &expected);
            QCOMPARE(minimumDominatingSet(h, &set), gamma);
            QCOMPARE(set, expected);
        }
    }
}

void tst_DominationSearch::families_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<int>("gamma");
    for (int n = 1; n <= 32; ++n) {
        const QByteArray k = QByteArray::number(n);
        QTest::newRow("K" + k) << completeGraph(n) << 1;
        QTest::newRow("empty " + k) << emptyGraph(n) << n;
        QTest::newRow("P" + k) << pathGraph(n) << (n + 2) / 3;
        QTest::newRow("star " + k) << starGraph(n) << 1;
        if (n >= 3)
            QTest::newRow("C" + k) << cycleGraph(n) << (n + 2) / 3;
        for (int a = 1; a < n; a += 4)
            QTest::newRow("K" + QByteArray::number(a) + "," + QByteArray::number(n - a))
                << completeBipartite(a, n - a) << (a == 1 || n - a == 1 ? 1 : 2);
    }
}

void tst_DominationSearch::families()
{
    QFETCH(BitGraph, g);
    QFETCH(int, gamma);
    uint32_t set = 0;
    QCOMPARE(minimumDominatingSet(g, &set), gamma);
    QCOMPARE(__builtin_popcount(set), gamma);
    uint32_t covered = set;
    for (uint32_t s = set; s; s &= s - 1)
        covered |= g.row[__builtin_ctz(s)];
    QCOMPARE(covered, g.vertices());
}

void tst_DominationSearch::examples_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<int>("gamma");
    QTest::addColumn<uint32_t>("set");
    QTest::newRow("no vertex") << emptyGraph(0) << 0 << 0u;
    QTest::newRow("one vertex") << emptyGraph(1) << 1 << 1u;
    QTest::newRow("P4") << pathGraph(4) << 2 << 5u;
    QTest::newRow("universal vertices 2 and 3")
        << graphOf(4, {{2, 0}, {2, 1}, {2, 3}, {3, 0}, {3, 1}}) << 1 << 4u;
    QTest::newRow("K3,4") << completeBipartite(3, 4) << 2 << 9u;
}

void tst_DominationSearch::examples()
{
    QFETCH(BitGraph, g);
    QFETCH(int, gamma);
    QFETCH(uint32_t, set);
    uint32_t s = 0xdead;
    QCOMPARE(minimumDominatingSet(g, &s), gamma);
    QCOMPARE(s, set);
}

QTEST_APPLESS_MAIN(tst_DominationSearch)
#include "tst_DominationSearch.moc"
