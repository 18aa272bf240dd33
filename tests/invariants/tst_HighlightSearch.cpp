#include "invariants/HighlightSearch.h"

#include "StructuralFixtures.h"

#include <QtTest>

Q_DECLARE_METATYPE(BitGraph)

class tst_HighlightSearch : public QObject
{
    Q_OBJECT
private slots:
    void randomGraphsAgainstReference();
    void girthOfFamilies_data();
    void girthOfFamilies();
    void examples();
};

namespace
{

// The three searches as plain queue walks over a boolean table, marks in a boolean matrix.
struct Reference {
    const PlainGraph &g;
    bool mark[32][32];
    int parent[32], dist[32], queue[32], reached = 0;
    bool error = false;
    explicit Reference(const PlainGraph &pg) : g(pg) { clear(); }

    void clear()
    {
        for (int i = 0; i < 32; ++i)
            for (int j = 0; j < 32; ++j)
                mark[i][j] = false;
    }
    void hilight(int v)
    {
        for (int c = v, p = parent[v]; p >= 0; c = p, p = parent[p])
            mark[c][p] = mark[p][c] = true;
    }
    // Plain search from r; with a cycle record, also the closing-edge rule.
    void search(int r, int *bestCycle)
    {
        bool seen[32] = {};
        int head = 0, &tail = reached;
        tail = 0;
        for (int v = 0; v < g.n; ++v)
            parent[v] = -1;
        queue[tail++] = r;
        seen[r] = true;
        dist[r] = 0;
        while (head < tail) {
            const int u = queue[head];
            for (int v = 0; v < g.n; ++v) {
                if (!g.adj[u][v])
                    continue;
                if (!seen[v]) {
                    queue[tail++] = v;
                    seen[v] = true;
                    dist[v] = dist[u] + 1;
                    parent[v] = u;
                } else if (bestCycle && dist[v] >= dist[u]) {
                    const int length = dist[u] + dist[v] + 1;
                    if (length < *bestCycle) {
                        clear();
                        hilight(u);
                        hilight(v);
                        mark[u][v] = mark[v][u] = true;
                        *bestCycle = length;
                    }
                }
            }
            ++head;
        }
        for (int v = 0; v < g.n; ++v)
            if (!seen[v])
                error = true;
    }
    int girth()
    {
        int best = 33;
        for (int s = 0; s < g.n; ++s)
            search(s, &best);
        return best > g.n ? 0 : best;
    }
    int diameter(bool *connected)
    {
        int largest = 0, from = 0, to = 0;
        for (int s = 0; s < g.n; ++s) {
            search(s, nullptr);
            for (int k = 0; k < reached; ++k)
                if (dist[queue[k]] > largest) {
                    largest = dist[queue[k]];
                    from = s;
                    to = queue[k];
                }
        }
        *connected = !error;
        if (error)
            return -1;
        if (g.n > 0) {
            search(from, nullptr);
            hilight(to);
        }
        return largest;
    }
};

void expectMarks(const BitGraph &marks, const Reference &ref)
{
    for (int i = 0; i < ref.g.n; ++i)
        for (int j = 0; j < ref.g.n; ++j)
            QCOMPARE(marks.edge(i, j), ref.mark[i][j]);
}

// Girth from its definition: the shortest way back to u around each edge u-v, plus that edge.
int girthByEdges(const PlainGraph &g)
{
    int best = 0;
    for (int u = 0; u < g.n; ++u)
        for (int v = u + 1; v < g.n; ++v) {
            if (!g.adj[u][v])
                continue;
            int dist[32];
            for (int w = 0; w < g.n; ++w)
                dist[w] = -1;
            int queue[32], head = 0, tail = 0;
            queue[tail++] = u;
            dist[u] = 0;
            while (head < tail) {
                const int a = queue[head++];
                for (int b = 0; b < g.n; ++b)
                    if (g.adj[a][b] && dist[b] < 0 && !(a == u && b == v)) {
                        dist[b] = dist[a] + 1;
                        queue[tail++] = b;
                    }
            }
            if (dist[v] > 0 && (best == 0 || dist[v] + 1 < best))
                best = dist[v] + 1;
        }
    return best;
}

} // namespace

void tst_HighlightSearch::randomGraphsAgainstReference()
{
    qsrand(1234);
    for (int t = 0; t < 1500; ++t) {
        const BitGraph g0 = smallRandomGraph();
        for (const BitGraph &g : {g0, g0.complement()}) {
            const PlainGraph p(g);
            BitGraph marks;
            {
                Reference ref(p);
                const int girth = ref.girth();
                QCOMPARE(girth, girthByEdges(p));
                QCOMPARE(shortestCycle(g, &marks), girth);
                if (girth)
                    expectMarks(marks, ref);
            }
            {
                Reference ref(p);
                bool connected = true;
                const int d = ref.diameter(&connected);
                QCOMPARE(isConnected(g), connected);
                QCOMPARE(diameterPath(g, &marks), d);
                if (connected)
                    expectMarks(marks, ref);
            }
            for (int root = -1; root <= g.n; ++root) {
                Reference ref(p);
                if (root >= 0 && root < g.n)
                    ref.search(root, nullptr);
                for (int x = 0; x < g.n && root >= 0 && root < g.n; ++x)
                    ref.hilight(x);
                QCOMPARE(breadthFirstTree(g, root, &marks), !ref.error);
                expectMarks(marks, ref);
            }
        }
    }
}

void tst_HighlightSearch::girthOfFamilies_data()
{
    QTest::addColumn<BitGraph>("g");
    QTest::addColumn<int>("girth");
    QTest::addColumn<int>("diameter");
    for (int n = 2; n <= 32; ++n) {
        const QByteArray k = QByteArray::number(n);
        QTest::newRow("K" + k) << completeGraph(n) << (n >= 3 ? 3 : 0) << 1;
        QTest::newRow("P" + k) << pathGraph(n) << 0 << n - 1;
        QTest::newRow("star " + k) << starGraph(n) << 0 << (n >= 3 ? 2 : 1);
        if (n >= 3)
            QTest::newRow("C" + k) << cycleGraph(n) << n << n / 2;
        if (n >= 4)
            QTest::newRow("K2," + QByteArray::number(n - 2))
                << completeBipartite(2, n - 2) << 4 << 2;
    }
}

void tst_HighlightSearch::girthOfFamilies()
{
    QFETCH(BitGraph, g);
    QFETCH(int, girth);
    QFETCH(int, diameter);
    BitGraph marks;
    QCOMPARE(shortestCycle(g, &marks), girth);
    if (girth) {
        // The marks form one cycle of that length: every marked vertex has two marked edges.
        QCOMPARE(marks.edgeCount(), girth);
        for (int v = 0; v < g.n; ++v) {
            QVERIFY(marks.degree(v) == 0 || marks.degree(v) == 2);
            QCOMPARE(marks.row[v] & ~g.row[v], 0u);
        }
    }
    QCOMPARE(diameterPath(g, &marks), diameter);
    QCOMPARE(marks.edgeCount(), diameter);
}

void tst_HighlightSearch::examples()
{
    BitGraph marks;
    QCOMPARE(shortestCycle(cycleGraph(4), &marks), 4);
    QCOMPARE(marks.edgeCount(), 4);
    // A 4-cycle, a path to a triangle: only the triangle stays marked.
    const BitGraph g =
        graphOf(8, {{0, 1}, {1, 2}, {2, 3}, {3, 0}, {3, 4}, {4, 5}, {5, 6}, {6, 7}, {5, 7}});
    QCOMPARE(shortestCycle(g, &marks), 3);
    QCOMPARE(marks.row[5], (1u << 6) | (1u << 7));
    QCOMPARE(marks.edgeCount(), 3);
    // The 4-cycle's diameter pair is (0, 2), joined through 1.
    QCOMPARE(diameterPath(cycleGraph(4), &marks), 2);
    QVERIFY(marks.edge(0, 1) && marks.edge(1, 2));
    QCOMPARE(marks.edgeCount(), 2);
    // A root past the last vertex marks nothing.
    QVERIFY(breadthFirstTree(completeGraph(3), 3, &marks));
    QCOMPARE(marks.edgeCount(), 0);
    QVERIFY(breadthFirstTree(completeGraph(3), 0, &marks));
    QVERIFY(marks.edge(0, 1) && marks.edge(0, 2) && !marks.edge(1, 2));
    QVERIFY(!breadthFirstTree(graphOf(3, {{0, 1}}), 0, &marks));
    QCOMPARE(diameterPath(graphOf(3, {{0, 1}}), &marks), -1);
}

QTEST_APPLESS_MAIN(tst_HighlightSearch)
#include "tst_HighlightSearch.moc"
