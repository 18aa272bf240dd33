#include "invariants/CutCentrality.h"

#include "InvariantFixtures.h"

class tst_CutCentrality : public QObject
{
    Q_OBJECT
private slots:
    void matchesVertexRemoval_data() { addSuiteRows(); }
    void matchesVertexRemoval();
    void families();
};

void tst_CutCentrality::matchesVertexRemoval()
{
    QFETCH(BitGraph, g);
    const PlainGraph p(g);
    const auto before = floydWarshall(p);
    double cut[32];
    cutCentrality(g, cut);
    for (int u = 0; u < p.n; ++u) {
        PlainGraph without = p;
        for (int v = 0; v < p.n; ++v)
            without.adj[u][v] = without.adj[v][u] = false;
        const auto after = floydWarshall(without);
        int separated = 0;
        for (int s = 0; s < p.n; ++s)
            for (int t = s + 1; t < p.n; ++t)
                separated += s != u && t != u && before[s][t] != kFar && after[s][t] == kFar;
        QCOMPARE(cut[u], double(separated));
    }
}

void tst_CutCentrality::families()
{
    double path[32], star[32], cycle[32];
    for (int n = 3; n <= 32; ++n) {
        cutCentrality(pathGraph(n), path);
        cutCentrality(starGraph(n), star);
        cutCentrality(cycleGraph(n), cycle);
        QCOMPARE(star[0], (n - 1) * (n - 2) / 2.0);
        for (int i = 0; i < n; ++i) {
            QCOMPARE(path[i], double(i * (n - 1 - i)));
            QCOMPARE(cycle[i], 0.0);
            if (i)
                QCOMPARE(star[i], 0.0);
        }
    }
}

QTEST_APPLESS_MAIN(tst_CutCentrality)
#include "tst_CutCentrality.moc"
