#include "invariants/Colouring.h"

#include "StructuralFixtures.h"

#include <QtTest>

Q_DECLARE_METATYPE(BitGraph)

class tst_Colouring : public QObject
{
    Q_OBJECT
private slots:
    void randomGraphsAgainstReference();
    void families_data();
    void families();
    void knownColourings_data();
    void knownColourings();
};

namespace
{

// Is there a proper colouring with k colours? Plain backtracking over vertices 0..n-1.
bool colourable(const PlainGraph &g, int k, int v, int *c)
{
    if (v == g.n)
        return true;
    for (int x = 1; x <= k; ++x) {
        bool ok = true;
        for (int u = 0; u < v && ok; ++u)
            ok = !(g.adj[u][v] && c[u] == x);
        if (ok) {
            c[v] = x;
            if (colourable(g, k, v + 1, c))
                return true;
        }
    }
    return false;
}

int bruteChromatic(const PlainGraph &g)
{
    int c[32];
    int k = 0;
    while (!colourable(g, k, 0, c))
        ++k;
    return k;
}

// The colouring search step by step on a boolean table, one vertex at a time.
struct Reference {
    const PlainGraph &g;
    int order[32], colour[32], mark[32], result[32];
    explicit Reference(const PlainGraph &pg) : g(pg) {}

    bool isFree(int v, int c) const
    {
        for (int j = 0; j < g.n; ++j)
            if (g.adj[v][j] && colour[j] == c)
                return false;
        return true;
    }
    int smallestFree(int v, int above) const
    {
        int c = above + 1;
        while (!isFree(v, c))
            ++c;
        return c;
    }
    int run()
    {
        const int n = g.n;
        bool a[32][32];
        int deg[32];
        for (int i = 0; i < n; ++i) {
            deg[i] = g.degree(i);
            for (int j = 0; j < n; ++j)
                a[i][j] = g.adj[i][j];
        }
        int t = 1, placed = 0;
        while (placed < n) {
            int now = 0;
            for (int v = 0; v < n; ++v) {
                if (deg[v] > t)
                    continue;
                order[n - 1 - placed] = v;
                ++placed;
                ++now;
                for (int j = 0; j < n; ++j)
                    if (a[v][j]) {
                        a[v][j] = a[j][v] = false;
                        --deg[j];
                    }
                deg[v] = n;
            }
            if (!now)
                ++t;
        }
        for (int v = 0; v < n; ++v)
            colour[v] = mark[v] = 0;
        int q = 0;
        for (int i = 0; i < n; ++i) {
            const int v = order[i];
            const int c = smallestFree(v, 0);
            colour[v] = c;
            mark[v] = c > q;
            q = std::max(q, c);
            result[v] = c;
        }
        for (;;) {
            int r = 0, count = 0;
            for (r = 0; r < n; ++r)
                if (mark[order[r]] && ++count == q)
                    break;
            int p = r - 1;
            while (p >= 1 && !(mark[order[p]] == 0 && colour[order[p]] < q))
                --p;
            if (p < 1)
                return q;
            for (int i = p + 1; i < n; ++i)
                colour[order[i]] = mark[order[i]] = 0;
            int cmax = 0;
            for (int i = 0; i < p; ++i)
                cmax += mark[order[i]];
            const int v = order[p];
            int c = smallestFree(v, colour[v]);
            colour[v] = c;
            if (c > cmax) {
                mark[v] = 1;
                cmax = c;
            }
            if (c >= q)
                continue;
            for (int i = p + 1; i < n; ++i) {
                const int u = order[i];
                c = smallestFree(u, 0);
                colour[u] = c;
                if (c > cmax) {
                    mark[u] = 1;
                    cmax = c;
                }
                if (i == n - 1) {
                    if (cmax < q) {
                        q = cmax;
                        for (int w = 0; w < n; ++w)
                            result[w] = colour[w];
                    }
                    break;
                }
                if (c >= q)
                    break;
            }
        }
    }
};

} // namespace

void tst_Colouring::randomGraphsAgainstReference()
{
    qsrand(1234);
    for (int t = 0; t < 1500; ++t) {
        const BitGraph g = smallRandomGraph();
        for (const BitGraph &h : {g, g.complement()}) {
            const PlainGraph p(h);
            int colour[32];
            const int q = chromaticColouring(h, colour);
            QCOMPARE(q, bruteChromatic(p));
            if (h.n == 0)
                continue;
            Reference ref(p);
            QCOMPARE(ref.run(), q);
            int order[32];
            thresholdOrder(h, order);
            for (int v = 0; v < h.n; ++v) {
                QCOMPARE(order[v], ref.order[v]);
                QCOMPARE(colour[v], ref.result[v]);
            }
        }
    }
}

void tst_Colouring::families_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<int>("chi");
    for (int n = 2; n <= 32; ++n) {
        const QByteArray k = QByteArray::number(n);
        QTest::newRow("K" + k) << completeGraph(n) << n;
        QTest::newRow("empty " + k) << emptyGraph(n) << 1;
        QTest::newRow("P" + k) << pathGraph(n) << 2;
        QTest::newRow("star " + k) << starGraph(n) << 2;
        if (n >= 3)
            QTest::newRow("C" + k) << cycleGraph(n) << (n % 2 ? 3 : 2);
        for (int a = 1; a < n; a += 4)
            QTest::newRow("K" + QByteArray::number(a) + "," + QByteArray::number(n - a))
                << completeBipartite(a, n - a) << 2;
    }
}

void tst_Colouring::families()
{
    QFETCH(BitGraph, g);
    QFETCH(int, chi);
    int colour[32];
    QCOMPARE(chromaticColouring(g, colour), chi);
    // A proper colouring using every colour 1..chi.
    uint64_t used = 0;
    for (int u = 0; u < g.n; ++u) {
        QVERIFY(colour[u] >= 1 && colour[u] <= chi);
        used |= uint64_t(1) << colour[u];
        for (int v = 0; v < g.n; ++v)
            QVERIFY(!(g.edge(u, v) && colour[u] == colour[v]));
    }
    QCOMPARE(__builtin_popcountll(used), chi);
}

void tst_Colouring::knownColourings_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<QVector<int>>("order");
    QTest::addColumn<QVector<int>>("colours");
    QTest::newRow("no edge") << emptyGraph(2) << QVector<int>{1, 0} << QVector<int>{1, 1};
    QTest::newRow("edge") << pathGraph(2) << QVector<int>{1, 0} << QVector<int>{2, 1};
    QTest::newRow("P3") << pathGraph(3) << QVector<int>{2, 1, 0} << QVector<int>{1, 2, 1};
    QTest::newRow("C5") << cycleGraph(5) << QVector<int>{4, 3, 2, 1, 0}
                        << QVector<int>{3, 2, 1, 2, 1};
    QTest::newRow("K4") << completeGraph(4) << QVector<int>{3, 2, 1, 0} << QVector<int>{4, 3, 2, 1};
    QTest::newRow("improved 6-cycle")
        << graphOf(7, {{1, 3}, {1, 6}, {2, 4}, {2, 5}, {3, 4}, {5, 6}})
        << QVector<int>{6, 5, 4, 3, 2, 1, 0} << QVector<int>{1, 2, 1, 1, 2, 2, 1};
}

void tst_Colouring::knownColourings()
{
    QFETCH(BitGraph, g);
    QFETCH(QVector<int>, order);
    QFETCH(QVector<int>, colours);
    int o[32], c[32];
    thresholdOrder(g, o);
    chromaticColouring(g, c);
    QCOMPARE(QVector<int>(o, o + g.n), order);
    QCOMPARE(QVector<int>(c, c + g.n), colours);
}

QTEST_APPLESS_MAIN(tst_Colouring)
#include "tst_Colouring.moc"
