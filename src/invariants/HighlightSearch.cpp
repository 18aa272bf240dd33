#include "HighlightSearch.h"

namespace
{

struct Bfs {
    int parent[32];
    int dist[32];
    int order[32];
    int reached = 0;
    uint32_t seen = 0;

    void start(const BitGraph &g, int root)
    {
        for (int v = 0; v < g.n; ++v)
            parent[v] = -1;
        seen = 1u << root;
        dist[root] = 0;
        order[0] = root;
        reached = 1;
    }

    // Appends the unseen neighbours of u in increasing number, u as their parent.
    void expand(const BitGraph &g, int u)
    {
        uint32_t fresh = g.row[u] & ~seen;
        seen |= fresh;
        for (; fresh; fresh &= fresh - 1) {
            const int v = __builtin_ctz(fresh);
            parent[v] = u;
            dist[v] = dist[u] + 1;
            order[reached++] = v;
        }
    }

    void run(const BitGraph &g, int root)
    {
        start(g, root);
        for (int head = 0; head < reached; ++head)
            expand(g, order[head]);
    }

    void markPath(int v, BitGraph &marks) const
    {
        for (int p = parent[v]; p >= 0; v = p, p = parent[p])
            marks.addEdge(v, p);
    }
};

void clearMarks(const BitGraph &g, BitGraph &marks)
{
    marks = BitGraph();
    marks.n = g.n;
}

} // namespace

int shortestCycle(const BitGraph &g, BitGraph *marks)
{
    int best = 33;
    Bfs bfs;
    for (int s = 0; s < g.n && best > 3; ++s) {
        bfs.start(g, s);
        for (int head = 0; head < bfs.reached; ++head) {
            const int u = bfs.order[head];
            const int du = bfs.dist[u];
            // Every closing edge from here on makes a cycle of at least 2 dist(u) + 1 edges.
            if (2 * du + 1 >= best)
                break;
            for (uint32_t back = g.row[u] & bfs.seen; back; back &= back - 1) {
                const int v = __builtin_ctz(back);
                const int length = du + bfs.dist[v] + 1;
                if (bfs.dist[v] < du || length >= best)
                    continue;
                best = length;
                if (marks) {
                    clearMarks(g, *marks);
                    bfs.markPath(u, *marks);
                    bfs.markPath(v, *marks);
                    marks->addEdge(u, v);
                }
            }
            bfs.expand(g, u);
        }
    }
    return best > g.n ? 0 : best;
}

bool breadthFirstTree(const BitGraph &g, int root, BitGraph *marks)
{
    if (marks)
        clearMarks(g, *marks);
    if (root < 0 || root >= g.n)
        return true;
    Bfs bfs;
    bfs.run(g, root);
    if (marks)
        for (int k = 1; k < bfs.reached; ++k)
            marks->addEdge(bfs.order[k], bfs.parent[bfs.order[k]]);
    return bfs.seen == g.vertices();
}

int diameterPath(const BitGraph &g, BitGraph *marks)
{
    int largest = 0, from = 0, to = 0;
    Bfs bfs;
    for (int s = 0; s < g.n; ++s) {
        bfs.run(g, s);
        if (bfs.seen != g.vertices())
            return -1;
        // The first vertex of the last level is the first one reached at the largest distance.
        int k = bfs.reached - 1;
        const int ecc = bfs.dist[bfs.order[k]];
        while (k > 0 && bfs.dist[bfs.order[k - 1]] == ecc)
            --k;
        if (ecc > largest) {
            largest = ecc;
            from = s;
            to = bfs.order[k];
        }
    }
    if (marks) {
        clearMarks(g, *marks);
        if (g.n > 0) {
            bfs.run(g, from);
            bfs.markPath(to, *marks);
        }
    }
    return largest;
}
