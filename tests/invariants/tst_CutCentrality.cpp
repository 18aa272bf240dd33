#include "invariants/CutCentrality.h"

#include "DistanceOracles.h"

#include <QtTest>

using namespace oracle;

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
    const Plain p = plainOf(g);
    const auto before = floydWarshall(p);
    double cut[32];
    cutCentrality(g, cut);
    for (int u = 0; u < p.n; ++u) {
        Plain without = p;
        for (int v = 0; v < p.n; ++v)
            without.a[u][v] = without.a[v][u] = false;
        const auto after = floydWarshall(without);
        int separated = 0;
        for (int s = 0; s < p.n; ++s)
            for (int t = s + 1; t < p.n; ++t)
                if (s != u && t != u && before[s][t] != kFar && after[s][t] == kFar)
                    ++separated;
        QCOMPARE(cut[u], double(separated));
    }
}

void tst_CutCentrality::families()
{
    double cut[32];
    for (int n = 1; n <= 32; ++n) {
        cutCentrality(path(n), cut);
        for (int i = 0; i < n; ++i)
            QCOMPARE(cut[i], double(i * (n - 1 - i)));
        cutCentrality(star(n), cut);
        QCOMPARE(cut[0], (n - 1) * (n - 2) / 2.0);
        for (int i = 1; i < n; ++i)
            QCOMPARE(cut[i], 0.0);
        cutCentrality(complete(n), cut);
        for (int i = 0; i < n; ++i)
            QCOMPARE(cut[i], 0.0);
        if (n >= 3) {
            cutCentrality(cycle(n), cut);
            for (int i = 0; i < n; ++i)
                QCOMPARE(cut[i], 0.0);
        }
    }
}

QTEST_APPLESS_MAIN(tst_CutCentrality)
#include "tst_CutCentrality.moc"
