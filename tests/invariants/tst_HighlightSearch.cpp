#include "invariants/HighlightSearch.h"

#include "InvariantFixtures.h"

#include <algorithm>
#include <tuple>

class tst_HighlightSearch : public QObject
{
    Q_OBJECT
private slots:
    void randomGraphsAgainstReference();
    void families();
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

    void clear() { std::fill(&mark[0][0], &mark[0][0] + 32 * 32, false); }
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

void tst_HighlightSearch::families()
{
    BitGraph marks;
    for (int n = 4; n <= 32; ++n) {
        // Graph, girth (0 without a cycle), diameter.
        const std::tuple<BitGraph, int, int> rows[] = {{completeGraph(n), 3, 1},
                                                       {pathGraph(n), 0, n - 1},
                                                       {starGraph(n), 0, 2},
                                                       {cycleGraph(n), n, n / 2},
                                                       {completeBipartite(2, n - 2), 4, 2}};
        for (const auto &row : rows) {
            const BitGraph &g = std::get<0>(row);
            const int girth = std::get<1>(row);
            QCOMPARE(shortestCycle(g, &marks), girth);
            // The marks form one cycle of that length: every marked vertex has two marked edges.
            QVERIFY(!girth || marks.edgeCount() == girth);
            for (int v = 0; v < g.n && girth; ++v) {
                QVERIFY(marks.degree(v) == 0 || marks.degree(v) == 2);
                QCOMPARE(marks.row[v] & ~g.row[v], 0u);
            }
            QCOMPARE(diameterPath(g, &marks), std::get<2>(row));
            QCOMPARE(marks.edgeCount(), std::get<2>(row));
        }
    }
}

QTEST_APPLESS_MAIN(tst_HighlightSearch)
#include "tst_HighlightSearch.moc"
